// A small set over an enumeration, written like a literal: `TSet<TXYUpdateType>{utX, utY}`.
// Members are bits, so sets compare, combine and copy as cheaply as integers.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace fuzzy {

template <class E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> members) {
    for (E member : members) Include(member);
  }

  constexpr bool Contains(E member) const { return (FWords[WordOf(member)] & BitOf(member)) != 0; }
  constexpr TSet& Include(E member) {
    FWords[WordOf(member)] |= BitOf(member);
    return *this;
  }
  constexpr TSet& Exclude(E member) {
    FWords[WordOf(member)] &= ~BitOf(member);
    return *this;
  }
  constexpr bool IsEmpty() const {
    for (std::uint64_t word : FWords)
      if (word != 0) return false;
    return true;
  }

  // Union, intersection and difference, as the sets of the language they come from.
  constexpr TSet operator+(const TSet& other) const { return Combine(other, Union); }
  constexpr TSet operator*(const TSet& other) const { return Combine(other, Intersection); }
  constexpr TSet operator-(const TSet& other) const { return Combine(other, Difference); }
  constexpr bool operator==(const TSet& other) const = default;

 private:
  // Enumerations have an 8-bit underlying type, so 256 members at most.
  static constexpr std::size_t WordCount = 4;

  static constexpr std::size_t WordOf(E member) { return static_cast<std::size_t>(member) / 64; }
  static constexpr std::uint64_t BitOf(E member) {
    return std::uint64_t{1} << (static_cast<std::size_t>(member) % 64);
  }
  static constexpr std::uint64_t Union(std::uint64_t a, std::uint64_t b) { return a | b; }
  static constexpr std::uint64_t Intersection(std::uint64_t a, std::uint64_t b) { return a & b; }
  static constexpr std::uint64_t Difference(std::uint64_t a, std::uint64_t b) { return a & ~b; }

  template <class TOp>
  constexpr TSet Combine(const TSet& other, TOp op) const {
    TSet result;
    for (std::size_t i = 0; i < WordCount; ++i) result.FWords[i] = op(FWords[i], other.FWords[i]);
    return result;
  }

  std::array<std::uint64_t, WordCount> FWords{};
};

}  // namespace fuzzy
