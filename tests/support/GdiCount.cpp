#include "tests/support/GdiCount.h"

#include <windows.h>
#include <winternl.h>

#include <cstdint>

namespace {

// Wine's GDI handle table (PEB GdiSharedHandleTable): 65,536 entries of 24
// bytes; the byte at offset 14 holds the object's type, 0 when the entry is
// free.
constexpr int kWineHandles = 0x10000;
constexpr int kWineEntrySize = 24;
constexpr int kWineTypeOffset = 14;

int CountWineHandleTable() {
  const PEB* peb = NtCurrentTeb()->ProcessEnvironmentBlock;
#ifdef _WIN64
  constexpr std::size_t kTableOffset = 0xF8;
#else
  constexpr std::size_t kTableOffset = 0x94;
#endif
  const auto* table = *reinterpret_cast<const std::uint8_t* const*>(reinterpret_cast<const std::uint8_t*>(peb) +
                                                                     kTableOffset);
  if (!table) return -1;
  int live = 0;
  for (int i = 0; i < kWineHandles; ++i)
    if (table[static_cast<std::size_t>(i) * kWineEntrySize + kWineTypeOffset]) ++live;
  return live;
}

}  // namespace

int LiveGdiObjects() {
  SetLastError(0);
  const DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (count || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return static_cast<int>(count);
  return CountWineHandleTable();
}
