#pragma once
// Fixed arrays indexed the way the rules number things: seat 1..4, place 1..18,
// trick 1..18, trump value 0..21. Bounds are checked in debug builds.
#include <array>
#include <cassert>
#include <cstddef>

template <class T, int Lo, int Hi>
class Tab {
  static_assert(Hi >= Lo);

 public:
  static constexpr int Min = Lo;
  static constexpr int Max = Hi;
  static constexpr int Taille = Hi - Lo + 1;

  constexpr T& operator[](int i) {
    assert(i >= Lo && i <= Hi);
    return v_[static_cast<std::size_t>(i - Lo)];
  }
  constexpr const T& operator[](int i) const {
    assert(i >= Lo && i <= Hi);
    return v_[static_cast<std::size_t>(i - Lo)];
  }
  constexpr void Remplir(const T& x) { v_.fill(x); }
  constexpr auto begin() { return v_.begin(); }
  constexpr auto end() { return v_.end(); }
  constexpr auto begin() const { return v_.begin(); }
  constexpr auto end() const { return v_.end(); }
  friend constexpr bool operator==(const Tab&, const Tab&) = default;

 private:
  std::array<T, Taille> v_{};
};

// The common case: 1..N.
template <class T, int N>
using Tab1 = Tab<T, 1, N>;
