// langdb SOURCE.tsv FILE1 FILE2: makes a language database (FILE1 the
// records, FILE2 their index) from a language table.  On any error it names
// the line, exits with 1 and leaves no output files behind.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "vantmods/lang_table.h"
#include "vantmods/recdb.h"

namespace {

bool read_file(const char *path, std::string &out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool write_file(const char *path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: langdb SOURCE.tsv FILE1 FILE2\n");
        return 2;
    }
    std::string text;
    if (!read_file(argv[1], text)) {
        std::fprintf(stderr, "langdb: cannot read %s\n", argv[1]);
        return 1;
    }
    vantmods::LanguageTable table = vantmods::parse_language_table(text);
    if (table.error_line) {
        std::fprintf(stderr, "%s:%d: %s\n", argv[1], table.error_line, table.error.c_str());
        return 1;
    }
    std::optional<vantmods::EncodedDatabase> db = vantmods::encode_database(std::move(table.records));
    if (!db) {
        std::fprintf(stderr, "langdb: the table is too large for a database\n");
        return 1;
    }
    if (!write_file(argv[2], db->data) || !write_file(argv[3], db->index)) {
        std::remove(argv[2]);
        std::remove(argv[3]);
        std::fprintf(stderr, "langdb: cannot write %s and %s\n", argv[2], argv[3]);
        return 1;
    }
    return 0;
}
