#pragma once
// Owners for the Win32 handles the program holds: each closes its handle exactly once.
#include <windows.h>

#include <utility>

namespace vx {

template <typename H, typename Traits>
class UniqueOwner {
  public:
    UniqueOwner() = default;
    explicit UniqueOwner(H h) : h_(h) {}
    UniqueOwner(const UniqueOwner&) = delete;
    UniqueOwner& operator=(const UniqueOwner&) = delete;
    UniqueOwner(UniqueOwner&& o) noexcept : h_(std::exchange(o.h_, Traits::Invalid())) {}
    UniqueOwner& operator=(UniqueOwner&& o) noexcept {
        if (this != &o) reset(std::exchange(o.h_, Traits::Invalid()));
        return *this;
    }
    ~UniqueOwner() { reset(); }

    H get() const { return h_; }
    explicit operator bool() const { return h_ != Traits::Invalid(); }
    // For out-parameters: releases what is held and hands out the slot.
    H* put() {
        reset();
        return &h_;
    }
    H release() { return std::exchange(h_, Traits::Invalid()); }
    void reset(H h = Traits::Invalid()) {
        if (h_ != Traits::Invalid()) Traits::Close(h_);
        h_ = h;
    }

  private:
    H h_ = Traits::Invalid();
};

struct HandleTraits {
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE h) { ::CloseHandle(h); }
};
template <typename G>
struct GdiTraits {
    static G Invalid() { return nullptr; }
    static void Close(G h) { ::DeleteObject(h); }
};

using UniqueHandle = UniqueOwner<HANDLE, HandleTraits>;
using UniqueBitmap = UniqueOwner<HBITMAP, GdiTraits<HBITMAP>>;
using UniqueFont = UniqueOwner<HFONT, GdiTraits<HFONT>>;

}  // namespace vx
