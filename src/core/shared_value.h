// Values that many rows of a results file repeat (a login, a name, a
// lesson, the pieces of a change), held once: each row holds a handle.
// A school year's rows fit in a few tens of megabytes.
#ifndef RESTOMER_CORE_SHARED_VALUE_H_
#define RESTOMER_CORE_SHARED_VALUE_H_

#include <compare>
#include <concepts>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <utility>

namespace restomer {

// A read-only value behind a shared handle; an empty one holds T().
template <typename T>
class Shared {
 public:
  Shared() = default;
  Shared(T value) : value_(std::make_shared<const T>(std::move(value))) {}  // NOLINT: a value
  Shared(const char* text)  // NOLINT: "" and literals read as texts
      requires std::same_as<T, std::string> : Shared(T(text)) {}
  Shared(std::initializer_list<typename T::value_type> list)  // NOLINT: a list's items
      requires(!std::same_as<T, std::string>)
      : Shared(T(list)) {}

  const T& get() const { return value_ ? *value_ : Empty(); }
  operator const T&() const { return get(); }  // NOLINT: reads as the value
  const T* operator->() const { return &get(); }

  bool empty() const { return get().empty(); }
  std::size_t size() const { return get().size(); }
  auto begin() const { return get().begin(); }
  auto end() const { return get().end(); }
  const auto& operator[](std::size_t k) const { return get()[k]; }

  friend bool operator==(const Shared& a, const Shared& b) {
    return a.value_ == b.value_ || a.get() == b.get();
  }
  friend auto operator<=>(const Shared& a, const Shared& b) { return a.get() <=> b.get(); }
  friend bool operator==(const Shared& a, const T& b) { return a.get() == b; }
  friend auto operator<=>(const Shared& a, const T& b) { return a.get() <=> b; }

 private:
  static const T& Empty() {
    static const T empty;
    return empty;
  }
  std::shared_ptr<const T> value_;
};

using SharedText = Shared<std::string>;

inline bool operator==(const SharedText& a, const char* b) { return a.get() == b; }
inline std::string operator+(const SharedText& a, const std::string& b) { return a.get() + b; }
inline std::string operator+(const std::string& a, const SharedText& b) { return a + b.get(); }
inline std::string operator+(const char* a, const SharedText& b) { return a + b.get(); }
inline std::string operator+(const SharedText& a, const char* b) { return a.get() + b; }

// Hands out one handle for equal values, so that each is held once.
template <typename T>
class SharedPool {
 public:
  Shared<T> Of(const Shared<T>& value) {
    const auto [at, added] = held_.try_emplace(value.get(), value);
    return at->second;
  }

 private:
  std::map<T, Shared<T>> held_;
};

}  // namespace restomer

#endif  // RESTOMER_CORE_SHARED_VALUE_H_
