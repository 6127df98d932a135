#include "frame/templates/bitmap_store.h"

std::uint64_t CBitmapStoragePlugin::GetBitmap(const void* pointer, std::uint32_t a, std::uint32_t b,
                                              std::uint32_t c) {
  BitmapRecord record{0, AddressOf(pointer), {a, b, c}};
  return SendRequest(0, kRequestBitmapGet, &record) == kDone ? record.handle : 0;
}

std::int32_t CBitmapStoragePlugin::ReleaseBitmap(std::uint64_t handle) {
  BitmapRecord record{handle, 0, {0, 0, 0}};
  return SendRequest(0, kRequestBitmapRelease, &record);
}

bool CBitmapStoragePlugin::Query(std::uint32_t code, std::uint64_t handle) {
  BitmapRecord record{handle, 0, {0, 0, 0}};
  return SendRequest(0, code, &record) == kDone && record.handle != 0;
}

bool CBitmapStoragePlugin::QueryBitmapA(std::uint64_t handle) { return Query(kRequestBitmapQueryA, handle); }
bool CBitmapStoragePlugin::QueryBitmapB(std::uint64_t handle) { return Query(kRequestBitmapQueryB, handle); }

CBitmapStorageInterface& SharedBitmapStore() {
  static CBitmapStoragePlugin store;
  return store;
}
