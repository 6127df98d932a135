#pragma once
// A pool of fixed-size records taken from blocks that double in size: 8 slots in the
// first block, twice the previous count in each further one. Released slots go to a free
// list and are taken again first; the newest block hands out its untouched slots in
// order, so that memory is touched only as records are needed. Blocks are freed only
// when the pool goes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>

// Lock hooks around every allocation and release; documents are used by one thread at
// a time, so the hooks do nothing.
class CMemoryStoreManager {
 public:
  virtual void Lock() {}
  virtual void Unlock() {}
  virtual ~CMemoryStoreManager() = default;
};

template <typename T, typename Manager = CMemoryStoreManager>
class CMemoryStoreTemplate : public Manager {
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

 public:
  static constexpr std::size_t kFirstBlockSlots = 8;

  CMemoryStoreTemplate() = default;
  CMemoryStoreTemplate(const CMemoryStoreTemplate&) = delete;
  CMemoryStoreTemplate& operator=(const CMemoryStoreTemplate&) = delete;
  ~CMemoryStoreTemplate() override {
    while (blocks_) {
      Block* next = blocks_->next;
      std::free(blocks_);
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
    auto* block = static_cast<Block*>(std::malloc(sizeof(Block) + count * sizeof(Slot)));
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
