#include "uninstaller/payload_entries.h"

namespace lumetra {

const PayloadEntry kPayloadEntries[] = {
#include "payload_entry_list.inc"
};
const size_t kPayloadEntryCount = sizeof(kPayloadEntries) / sizeof(kPayloadEntries[0]);

}  // namespace lumetra
