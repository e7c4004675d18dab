// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Allocation-free handlers bound to member functions.
//
// Labels, text boxes and timers call back into the window that owns them. A callback is a
// plain function pointer and an object pointer, so binding and calling never allocate and a
// timer tick stays free of heap traffic.
#pragma once

namespace ui {

struct Callback {
  void (*fn)(void*) = nullptr;
  void* self = nullptr;
  explicit operator bool() const { return fn != nullptr; }
  void operator()() const { fn(self); }
};

struct KeyCallback {
  void (*fn)(void*, int, int) = nullptr;
  void* self = nullptr;
  explicit operator bool() const { return fn != nullptr; }
  void operator()(int keyCode, int shift) const { fn(self, keyCode, shift); }
};

template <auto Member, class T>
Callback bind(T* self) {
  return {[](void* p) { (static_cast<T*>(p)->*Member)(); }, self};
}

template <auto Member, class T>
KeyCallback bindKey(T* self) {
  return {[](void* p, int keyCode, int shift) { (static_cast<T*>(p)->*Member)(keyCode, shift); },
          self};
}

}  // namespace ui
