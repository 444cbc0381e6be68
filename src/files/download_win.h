// The download settings and the model cache as module-wide state, and the
// steps every download shares: loading a URL through the sibling library's
// HTTP client and handing the bytes to a host in a memory block.
#pragma once

#include <windows.h>

#include <cstdint>

#include "files/download.h"
#include "vantmods/vantmods.h"

namespace kavo {

NetDownloadInfo &net_download_info();

// The one model kept from the last download, under its upper-case name.
// The module frame empties it at load and unload.
void model_cache_reset();
// The cached bytes when they belong to name and are not empty, else null.
const CQiBuf *model_cache_lookup(const char *name);
void model_cache_store(const char *name, const CQiBuf &content);

// Connects client with the module's limits; false, with the connection
// message owned by owner, when no session can be had.
bool connect_client(HWND owner, CQinet &client);

// Loads url into buffer with the user and password of the settings; false
// for an empty URL or a failed load.  Shows a message, owned by owner, when
// the server wants a password (and as connect_client does).
bool net_load_to_buffer(HWND owner, const char *url, CQiBuf &buffer);

// A new memory block holding the buffer's bytes, owned by the caller, with
// their count in *size (0 on failure); null with a message when the block
// cannot be had.
void *copy_buffer_to_block(HWND owner, const CQiBuf &buffer, int32_t *size);

// info_message with a printf-style text of at most 511 characters.
void info_message_fmt(HWND owner, const char *format, ...);

namespace detail {
// Where downloaded blocks come from; tests replace it to see the failure.
extern void *(*allocate_block)(int32_t size, int32_t tag);
} // namespace detail

} // namespace kavo
