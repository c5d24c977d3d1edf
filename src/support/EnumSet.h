#pragma once

#include <cstdint>
#include <initializer_list>

// A set of members of an enumeration numbered from 0, one bit each.
template <typename Enum, typename Bits = uint16_t>
class EnumSet {
 public:
  constexpr EnumSet() = default;
  constexpr EnumSet(std::initializer_list<Enum> members) {
    for (const Enum member : members) Include(member);
  }
  constexpr bool Contains(Enum member) const { return (bits_ & Bit(member)) != 0; }
  constexpr void Include(Enum member) { bits_ = static_cast<Bits>(bits_ | Bit(member)); }
  constexpr void Exclude(Enum member) { bits_ = static_cast<Bits>(bits_ & ~Bit(member)); }
  constexpr bool Empty() const { return bits_ == 0; }
  bool operator==(const EnumSet&) const = default;

 private:
  static constexpr Bits Bit(Enum member) { return static_cast<Bits>(Bits{1} << static_cast<int>(member)); }
  Bits bits_ = 0;
};
