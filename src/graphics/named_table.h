// A module-wide table of named GDI objects in one movable global block:
// looked up by a name of at most 8 characters, grown one record at a time,
// released whole.  Fonts and pens each keep one.
#pragma once

#include <windows.h>

#include <cstring>

#include "util/gwmem.h"

namespace kavo {

inline constexpr std::size_t kNameField = 9;

// Names longer than 8 characters are cut, both when a record is made and
// when it is looked up, so that a long name finds its own record.
inline void copy_name(char (&field)[kNameField], const char *name)
{
    std::memset(field, 0, kNameField);
    if (name)
        std::strncpy(field, name, kNameField - 1);
}

template <typename Record>
class NamedTable {
public:
    Record *find(const char *name) const
    {
        char key[kNameField];
        copy_name(key, name);
        for (int i = 0; i < count_; ++i)
            if (std::strcmp(records_[i].name, key) == 0)
                return &records_[i];
        return nullptr;
    }

    // A new zeroed record at the end, or null when the block cannot grow;
    // then the whole table is released, as the memory layer reported.
    Record *append()
    {
        const auto bytes = static_cast<int32_t>(sizeof(Record) * (count_ + 1));
        auto *grown = static_cast<Record *>(gwGmalloc(bytes, 0));
        if (!grown) {
            release_all();
            return nullptr;
        }
        if (count_)
            std::memcpy(grown, records_, sizeof(Record) * count_);
        gwGfree(records_);
        records_ = grown;
        Record *record = &records_[count_++];
        std::memset(record, 0, sizeof(Record));
        return record;
    }

    // Forgets the last record (its object is the caller's business).
    void drop_last()
    {
        if (count_ > 0)
            --count_;
    }

    void release_all()
    {
        for (int i = 0; i < count_; ++i)
            if (records_[i].handle)
                DeleteObject(records_[i].handle);
        records_ = static_cast<Record *>(gwGfree(records_));
        count_ = 0;
    }

    int count() const { return count_; }

private:
    Record *records_ = nullptr;
    int16_t count_ = 0;
};

} // namespace kavo
