#pragma once
// The shared bitmap store: bitmaps that the host owns and lends to the plug-in's controls.
// The bitmap controls (CBitmapStatic) take their images from it; their first use makes
// (and registers) it.
#include <cstdint>

#include "frame/templates/ioctl_template.h"

class CBitmapStorageInterface {
 public:
  virtual ~CBitmapStorageInterface() = default;
  virtual std::uint64_t GetBitmap(const void* pointer, std::uint32_t a, std::uint32_t b,
                                  std::uint32_t c) = 0;
  virtual std::uint64_t GetBitmapById(std::uint32_t a, std::uint32_t b, std::uint32_t c) {
    return GetBitmap(nullptr, a, b, c);
  }
  virtual std::int32_t ReleaseBitmap(std::uint64_t handle) = 0;
  virtual bool QueryBitmapA(std::uint64_t handle) = 0;
  virtual bool QueryBitmapB(std::uint64_t handle) = 0;
};

// The store as a registered object (template id 0) that asks the host through its link.
class CBitmapStoragePlugin : public CBitmapStorageInterface, public CIOCtlProcTemplate {
 public:
  CBitmapStoragePlugin() : CIOCtlProcTemplate(0) {}
  std::uint64_t GetBitmap(const void* pointer, std::uint32_t a, std::uint32_t b,
                          std::uint32_t c) override;                 // request 10; 0 on failure
  std::int32_t ReleaseBitmap(std::uint64_t handle) override;        // request 11
  bool QueryBitmapA(std::uint64_t handle) override;                 // request 12
  bool QueryBitmapB(std::uint64_t handle) override;                 // request 13

 private:
  bool Query(std::uint32_t code, std::uint64_t handle);
};

// The process's store, made (and registered) on first use, destroyed at unload.
CBitmapStorageInterface& SharedBitmapStore();

// A bitmap borrowed from a store, given back when the holder goes.
class CSharedBitmap {
 public:
  CSharedBitmap(std::uint64_t handle, CBitmapStorageInterface* store) : handle_(handle), store_(store) {}
  CSharedBitmap(const CSharedBitmap&) = delete;
  CSharedBitmap& operator=(const CSharedBitmap&) = delete;
  ~CSharedBitmap() {
    if (handle_ && store_) store_->ReleaseBitmap(handle_);
  }
  std::uint64_t Handle() const { return handle_; }

 private:
  std::uint64_t handle_;
  CBitmapStorageInterface* store_;
};
