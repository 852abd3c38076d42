// The resident program's fixed names of its own; its texts are in
// shell/texts.txt, the product's names in product/product.h and the ids in
// shell/resource_ids.h.
#pragma once

#include <cstdint>

#include "product/product.h"
#include "shell/resource_ids.h"

namespace qv {

inline constexpr char kInstanceMutexName[] = "hQuorvantixInstance";
inline constexpr char kHelpFileName[] = "QUORVNTX.hlp";
// Broadcast to every top-level window when the task bar has been made again.
inline constexpr char kTaskbarCreatedMessage[] = "TaskbarCreated";
// The process has one notification icon; the shell tells icons of one window
// apart by this number.
inline constexpr std::uint32_t kNotifyIconId = 1;

}  // namespace qv
