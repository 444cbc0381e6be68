// Every field of every sub-record, planted with its own value, travels
// through a design text under its own key and lands back in its own field.
// Built twice: against the portable core, and as a host through the DLL.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "design_fixture.h"

#if defined(KAVO_THROUGH_DLL)
#include "kavoapi.h"
namespace {
int write_design(const designdata &d, char *text, int size) { return qa_varbuf_write_designdata(&d, text, size); }
int read_design(designdata &d, const char *text) { return qa_varbuf_read_designdata(&d, text); }
void write_drawing(const drawingdata &d, char *text, int size) { qa_varbuf_write_drawingdata(&d, text, size); }
void read_drawing(drawingdata &d, const char *tag, const char *text) { qa_varbuf_read_drawingdata(&d, tag, text); }
const kavo_test::Finders kFinders = {
    [](const char *t, const char *k, char *o, int n) { return static_cast<int>(qa_varbuf_find_sz(t, k, o, n)); },
    [](const char *t, const char *k, float *o) { return static_cast<int>(qa_varbuf_find_flo(t, k, o)); },
    [](const char *t, const char *k, int16_t *o) { return static_cast<int>(qa_varbuf_find_sho(t, k, o)); },
    [](const char *t, const char *k, varbuf_date *o) { return static_cast<int>(qa_varbuf_find_date(t, k, o)); },
};
} // namespace
#else
#include "varbuf/designdata.h"
namespace {
int write_design(const designdata &d, char *text, int size) { return kavo::write_designdata(d, text, size); }
int read_design(designdata &d, const char *text) { return kavo::read_designdata(d, kavo::IndexedFinder(text)); }
void write_drawing(const drawingdata &d, char *text, int size) { kavo::write_drawingdata(d, text, size); }
void read_drawing(drawingdata &d, const char *tag, const char *text)
{
    kavo::read_drawingdata(d, tag, kavo::IndexedFinder(text));
}
const kavo_test::Finders kFinders = {kavo::varbuf_find_sz, kavo::varbuf_find_flo, kavo::varbuf_find_sho,
                                     kavo::varbuf_find_date};
} // namespace
#endif

namespace {

using kavo_test::Product;

constexpr int kTextSize = 16384;

class RecordTravel : public ::testing::TestWithParam<Product> {};

TEST_P(RecordTravel, EveryFieldTravelsUnderItsKeyAndLandsInItsField)
{
    auto planted = std::make_unique<designdata>();
    auto read = std::make_unique<designdata>();
    kavo_test::plant_design(*planted, GetParam());
    std::vector<char> text(kTextSize, 'x');
    ASSERT_EQ(write_design(*planted, text.data(), kTextSize), 0);
    const std::size_t length = std::strlen(text.data());
    EXPECT_GT(length, 3000u);

    std::memset(read.get(), 0x5A, sizeof *read); // the reader must clear what it fills
    std::strcpy(read->design_id, kavo_test::kDesignId);
    std::memset(&read->oe_data, 0, sizeof read->oe_data); // ... except the O/E values
    ASSERT_EQ(read_design(*read, text.data()), 1);

    const auto *planted_bytes = reinterpret_cast<const uint8_t *>(planted.get());
    const auto *read_bytes = reinterpret_cast<const uint8_t *>(read.get());
    for (const kavo_test::PlantedRecord &record : kavo_test::planted_records(GetParam())) {
        SCOPED_TRACE(record.name);
        EXPECT_EQ(kavo_test::travel_faults(kFinders, text.data(), planted_bytes + record.offset, record.fields),
                  std::vector<std::string>{});
        EXPECT_EQ(kavo_test::landing_faults(planted_bytes + record.offset, read_bytes + record.offset,
                                            record.fields),
                  std::vector<std::string>{});
    }
    EXPECT_EQ(std::memcmp(read->s_data.sid, planted->s_data.sid, sizeof read->s_data.sid), 0);
    EXPECT_EQ(+read->installation.inr, 19);
    EXPECT_EQ(+read->installation.inc, 18);
    EXPECT_EQ(+read->installation.int_ + read->installation.inv + read->installation.inw, 50);
    EXPECT_EQ(+read->u_data.uss, 126);
    EXPECT_EQ(+read->u_data.usw, 127);
    for (const ceiling_entry &c : read->surfaces.ceilings)
        EXPECT_EQ(+c.cl2, +c.cl);

    // Written again, the design gives the same text.  The reader put the
    // product into entry 0 and leaves module_index to the host.
    read->module_index = 0;
    std::vector<char> again(kTextSize, 0);
    ASSERT_EQ(write_design(*read, again.data(), kTextSize), 0);
    EXPECT_STREQ(again.data(), text.data());
}

INSTANTIATE_TEST_SUITE_P(Products, RecordTravel,
                         ::testing::Values(Product::beam, Product::panel, Product::m, Product::d));

TEST(RecordTravel, DrawingDataFieldsAndExtras)
{
    drawingdata planted = {}, read = {};
    kavo_test::Planter planter;
    planter.plant(&planted, kavo_test::drawing_fields());
    planted.extra_count = 3;
    const char *extras[3][2] = {{"K1", "v1"}, {"LONG", "0123456789"}, {"Q", "x y"}};
    for (int i = 0; i < 3; ++i) {
        std::strcpy(planted.extras[i].key, extras[i][0]);
        std::strcpy(planted.extras[i].value, extras[i][1]);
    }
    char text[2048] = "";
    write_drawing(planted, text, sizeof text);
    EXPECT_EQ(kavo_test::travel_faults(kFinders, text, &planted, kavo_test::drawing_fields()),
              std::vector<std::string>{});
    std::memset(&read, 0x5A, sizeof read);
    read_drawing(read, "tag-1", text);
    EXPECT_EQ(kavo_test::landing_faults(&planted, &read, kavo_test::drawing_fields()), std::vector<std::string>{});
    EXPECT_STREQ(read.tag, "tag-1");
    ASSERT_EQ(+read.extra_count, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_STREQ(read.extras[i].key, extras[i][0]);
        EXPECT_STREQ(read.extras[i].value, extras[i][1]);
    }
    EXPECT_EQ(+read.host1[0], 0);
}

} // namespace
