#pragma once
// The page a support technician's remote session starts from (Ctrl+O).

namespace lenvari {

inline constexpr const char* kRemoteSupportAddress = "https://www.lenvari.com/remote-support";

}  // namespace lenvari
