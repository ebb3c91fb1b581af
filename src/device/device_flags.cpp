#include "device_flags.h"

namespace DeviceFlags {
std::atomic<bool> connected{false};
std::atomic<bool> demo{false};
std::atomic<bool> encryption{false};
std::atomic<bool> languageCheck{true};
} // namespace DeviceFlags
