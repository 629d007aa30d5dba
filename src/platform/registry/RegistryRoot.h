#pragma once

namespace platform {

// The three trees the registry keeps. The classes root is also reachable as
// HKEY_LOCAL_MACHINE\Software\Classes: both names lead to the same keys.
enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine };

} // namespace platform
