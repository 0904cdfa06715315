// Bytes placed so that the last of them is the last byte before a page that
// allows no access: reading one byte further faults, with or without a
// sanitizer.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>
#include <string>

class GuardedBytes {
 public:
  // Holds bytes followed by their terminating zero.
  explicit GuardedBytes(const std::string& bytes) {
    const size_t page = sysconf(_SC_PAGESIZE);
    const size_t size = bytes.size() + 1;
    usable_ = (size + page - 1) / page * page;
    mapped_ = usable_ + page;
    void* base = mmap(nullptr, mapped_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (base == MAP_FAILED) {
      throw std::runtime_error("mmap failed");
    }
    base_ = static_cast<char*>(base);
    if (mprotect(base_ + usable_, page, PROT_NONE) != 0) {
      munmap(base_, mapped_);
      throw std::runtime_error("mprotect failed");
    }
    data_ = base_ + usable_ - size;
    std::memcpy(data_, bytes.c_str(), size);
  }
  GuardedBytes(const GuardedBytes&) = delete;
  GuardedBytes& operator=(const GuardedBytes&) = delete;
  ~GuardedBytes() {
    munmap(base_, mapped_);
  }

  char* data() const {
    return data_;
  }

 private:
  char* base_ = nullptr;
  char* data_ = nullptr;
  size_t usable_ = 0;
  size_t mapped_ = 0;
};
