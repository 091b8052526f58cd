#include "EngineArena.h"

#include <sanitizer/asan_interface.h>

#include <cstdlib>

namespace kv::wire {
namespace {

const char kArenaId[] = "kv-engine-arena";

constexpr std::size_t kBlockBytes = 64 * 1024 - 64;  // with the heap's own header, within 64 KiB
constexpr std::size_t kLargest = 4 * 1024;           // larger objects come from the heap

struct Block;

// Every object is preceded by its header, 16 bytes so that objects stay at
// 16-byte boundaries: the block it was cut from, or null for the heap.
struct alignas(16) Header {
  Block *block;
};

constexpr std::size_t Bytes(std::size_t size) { return sizeof(Header) + ((size + 15) & ~std::size_t{15}); }

struct alignas(16) Block {
  std::size_t live = 0;   // objects cut and not yet given back
  Block **cut = nullptr;  // while its arena cuts from it: where the arena holds it
  char *next = nullptr;

  char *Data() { return reinterpret_cast<char *>(this + 1); }
  char *End() { return reinterpret_cast<char *>(this) + kBlockBytes; }

  static Block *Make(Block **cut) {
    void *memory = std::malloc(kBlockBytes);
    if (!memory) return nullptr;
    auto *block = new (memory) Block;
    block->cut = cut;
    block->next = block->Data();
    ASAN_POISON_MEMORY_REGION(block->Data(), block->End() - block->Data());
    return block;
  }
  // Also when its arena still cuts from it: an idle engine holds no block.
  void Free() {
    if (cut) *cut = nullptr;
    ASAN_UNPOISON_MEMORY_REGION(Data(), End() - Data());
    this->~Block();
    std::free(this);
  }
};

class Arena {
 public:
  Arena() = default;
  Arena(const Arena &) = delete;
  Arena &operator=(const Arena &) = delete;
  ~Arena() {
    // Objects still alive give their block back when they end.
    if (block_) block_->cut = nullptr;
  }

  Header *Take(std::size_t bytes) {
    if (!block_ || static_cast<std::size_t>(block_->End() - block_->next) < bytes) {
      Block *fresh = Block::Make(&block_);
      if (!fresh) return nullptr;
      if (block_) block_->cut = nullptr;
      block_ = fresh;
    }
    auto *header = reinterpret_cast<Header *>(block_->next);
    block_->next += bytes;
    ++block_->live;
    ASAN_UNPOISON_MEMORY_REGION(header, bytes);
    header->block = block_;
    return header;
  }

  static int Register(struct soap *, struct soap_plugin *plugin, void *) {
    plugin->id = kArenaId;
    plugin->data = new (std::nothrow) Arena;
    plugin->fcopy = &Copy;
    plugin->fdelete = &Delete;
    return plugin->data ? SOAP_OK : SOAP_EOM;
  }

 private:
  static int Copy(struct soap *, struct soap_plugin *copy, struct soap_plugin *) {
    copy->data = new (std::nothrow) Arena;
    return copy->data ? SOAP_OK : SOAP_EOM;
  }
  static void Delete(struct soap *, struct soap_plugin *plugin) { delete static_cast<Arena *>(plugin->data); }

  Block *block_ = nullptr;
};

}  // namespace

bool AttachEngineArena(struct soap *engine) {
  if (soap_lookup_plugin(engine, kArenaId)) return true;
  return soap_register_plugin(engine, &Arena::Register) == SOAP_OK;
}

namespace detail {

void *TakeObjectMemory(struct soap *engine, std::size_t size) noexcept {
  const std::size_t bytes = Bytes(size);
  auto *arena = bytes <= kLargest ? static_cast<Arena *>(soap_lookup_plugin(engine, kArenaId)) : nullptr;
  Header *header = arena ? arena->Take(bytes) : nullptr;
  if (!header) {
    header = static_cast<Header *>(std::malloc(bytes));
    if (!header) return nullptr;
    header->block = nullptr;
  }
  return header + 1;
}

void GiveObjectMemory(void *object, std::size_t size) noexcept {
  Header *header = static_cast<Header *>(object) - 1;
  Block *block = header->block;
  if (!block) {
    std::free(header);
    return;
  }
  ASAN_POISON_MEMORY_REGION(header, Bytes(size));
  if (--block->live == 0) block->Free();
}

}  // namespace detail
}  // namespace kv::wire
