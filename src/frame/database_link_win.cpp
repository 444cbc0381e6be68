#include "frame/database_link.h"

#include <string>

#include "dialogs/message.h"
#include "vantmods/vantmods.h"

namespace kavo {

int open_record_database(const char *file1, const char *file2, int16_t *handle)
{
    *handle = -1;
    if (require_file(file1) != 0 || require_file(file2) != 0)
        return -1;
    const int16_t opened = qbopendatabase(file1, file2, 0);
    if (opened < 0) {
        info_message(nullptr, ("Cannot open " + std::string(file2)).c_str());
        return -1;
    }
    *handle = opened;
    return 0;
}

} // namespace kavo
