#include "skins/DefaultSkin.h"

#include <windows.h>

#include <cstdint>

#include "ui/Bytes.h"

void StoredSkinStream(TMemoryStream& stream) {
  const HINSTANCE module = GetModuleHandleA(nullptr);
  const HRSRC info = FindResourceA(module, "DEFAULTSKIN", MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  const HGLOBAL resource = info ? LoadResource(module, info) : nullptr;
  const void* bytes = resource ? LockResource(resource) : nullptr;
  const std::uint32_t length = bytes ? SizeofResource(module, info) : 0;
  std::uint8_t size[4];
  PutLE32(size, length);
  stream.WriteBuffer(size, sizeof size);
  if (length > 0) stream.WriteBuffer(bytes, length);
  stream.SetPosition(0);
}
