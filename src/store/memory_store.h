#pragma once
// A pool of fixed-size records taken from blocks that double in size: 8 slots in the
// first block, twice the previous count in each further one. Released slots go to a free
// list and are taken again first; the newest block hands out its untouched slots in
// order, so that memory is touched only as records are needed. When the pool goes, its
// blocks wait in a cache shared by the pools of the same record type (up to 64 MiB) for
// the next pool: documents built one after another then reuse memory the system has
// already given, instead of taking fresh pages for every document.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>

#include "common/lock.h"

// Lock hooks around every allocation and release; documents are used by one thread at
// a time, so the hooks do nothing.
class CMemoryStoreManager {
 public:
  virtual void Lock() {}
  virtual void Unlock() {}
  virtual ~CMemoryStoreManager() = default;
};

template <typename T, typename Manager = CMemoryStoreManager>
class CMemoryStoreTemplate final : public Manager {
  static_assert(std::is_trivially_copyable_v<T>, "pool records are plain data");

  struct Slot {
    Slot* prev;  // the 16-byte list link
    Slot* next;
    T value;
  };
  struct Block {
    Block* next;
    std::size_t count;
    Slot* Slots() { return reinterpret_cast<Slot*>(this + 1); }
  };

  // Freed blocks by size: list i holds blocks of kFirstBlockSlots << i slots. It lives as
  // long as the process, so that pools destroyed at unload can still hand blocks back.
  class Cache {
   public:
    static Block* Take(std::size_t count) {
      Lists& lists = Shared();
      parental::common::ScopedLock lock(parental::common::ProcessLock());
      const std::size_t i = ListOf(count);
      Block* block = i < kLists ? lists.heads[i] : nullptr;
      if (block) {
        lists.heads[i] = block->next;
        lists.bytes -= BlockBytes(count);
      }
      return block;
    }
    static void Put(Block* block) {
      Lists& lists = Shared();
      parental::common::ScopedLock lock(parental::common::ProcessLock());
      const std::size_t i = ListOf(block->count);
      if (i >= kLists || lists.bytes + BlockBytes(block->count) > kLimit) {
        std::free(block);
        return;
      }
      block->next = lists.heads[i];
      lists.heads[i] = block;
      lists.bytes += BlockBytes(block->count);
    }

   private:
    static constexpr std::size_t kLists = 32;
    static constexpr std::size_t kLimit = std::size_t(64) << 20;
    struct Lists {
      Block* heads[kLists];
      std::size_t bytes;
    };
    static Lists& Shared() {
      static Lists* lists = new Lists{};
      return *lists;
    }
    static std::size_t ListOf(std::size_t count) {
      std::size_t i = 0;
      while ((kFirstBlockSlots << i) < count) ++i;
      return i;
    }
  };

  static std::size_t BlockBytes(std::size_t count) { return sizeof(Block) + count * sizeof(Slot); }

 public:
  static constexpr std::size_t kFirstBlockSlots = 8;

  CMemoryStoreTemplate() = default;
  CMemoryStoreTemplate(const CMemoryStoreTemplate&) = delete;
  CMemoryStoreTemplate& operator=(const CMemoryStoreTemplate&) = delete;
  ~CMemoryStoreTemplate() override {
    while (blocks_) {
      Block* next = blocks_->next;
      Cache::Put(blocks_);
      blocks_ = next;
    }
  }

  // A zeroed record, or null when no block can be allocated.
  T* Allocate() {
    this->Lock();
    Slot* slot = free_;
    if (slot) {
      Unlink(free_, slot);
    } else if (fresh_ != freshEnd_ || Grow()) {
      slot = fresh_++;
    } else {
      this->Unlock();
      return nullptr;
    }
    Link(used_, slot);
    std::memset(static_cast<void*>(&slot->value), 0, sizeof(T));
    this->Unlock();
    return &slot->value;
  }

  void Release(T* value) {
    if (!value) return;
    this->Lock();
    Slot* slot = reinterpret_cast<Slot*>(reinterpret_cast<char*>(value) - offsetof(Slot, value));
    Unlink(used_, slot);
    Link(free_, slot);
    this->Unlock();
  }

  std::size_t BlockCount() const {
    std::size_t n = 0;
    for (Block* b = blocks_; b; b = b->next) ++n;
    return n;
  }
  std::size_t SlotCount() const { return lastCount_ ? 2 * lastCount_ - kFirstBlockSlots : 0; }

 private:
  bool Grow() {
    std::size_t count = lastCount_ ? 2 * lastCount_ : kFirstBlockSlots;
    Block* block = Cache::Take(count);
    if (!block) block = static_cast<Block*>(std::malloc(BlockBytes(count)));
    if (!block) return false;
    block->next = blocks_;
    block->count = count;
    blocks_ = block;
    lastCount_ = count;
    fresh_ = block->Slots();
    freshEnd_ = fresh_ + count;
    return true;
  }
  static void Link(Slot*& head, Slot* slot) {
    slot->prev = nullptr;
    slot->next = head;
    if (head) head->prev = slot;
    head = slot;
  }
  static void Unlink(Slot*& head, Slot* slot) {
    if (slot->prev) slot->prev->next = slot->next; else head = slot->next;
    if (slot->next) slot->next->prev = slot->prev;
  }

  Block* blocks_ = nullptr;
  Slot* free_ = nullptr;
  Slot* used_ = nullptr;
  Slot* fresh_ = nullptr;     // the newest block's slots not handed out yet
  Slot* freshEnd_ = nullptr;
  std::size_t lastCount_ = 0;
};
