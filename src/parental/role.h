#pragma once
// A role: a named set of category decisions and URL exceptions, with an optional parent
// role from which it inherits the categories it does not decide itself.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "parental/counted_pointer.h"

namespace parental::core {

// Category states; a missing id and kNotSet both leave the decision to the parent.
enum CategoryState : std::uint32_t { kBlocked = 0, kAllowed = 1, kNotSet = 2 };

// Category id to state in ascending order of ids, held as a sorted array: every role has
// one, and loading, copying and fingerprinting walk them all.
class CategoryStates {
 public:
  using Entry = std::pair<std::uint16_t, std::uint32_t>;
  CategoryStates() = default;
  CategoryStates(std::initializer_list<Entry> entries) {
    for (const Entry& e : entries) (*this)[e.first] = e.second;
  }
  std::uint32_t& operator[](std::uint16_t id);  // inserted (0) when missing
  const std::uint32_t* Find(std::uint16_t id) const;
  std::vector<Entry>::const_iterator begin() const { return entries_.begin(); }
  std::vector<Entry>::const_iterator end() const { return entries_.end(); }
  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  bool operator==(const CategoryStates& other) const { return entries_ == other.entries_; }
  bool operator!=(const CategoryStates& other) const { return entries_ != other.entries_; }

 private:
  std::vector<Entry> entries_;
};

// One URL that is always allowed (state 1) or always blocked (0); the list order is the
// priority. The URL is narrow text in the ANSI code page.
struct RoleException {
  std::u16string id;
  std::string url;
  std::uint32_t state;
};

class CRole;
using RolePtr = common::CountedPointer<CRole>;

class CRole {
 public:
  explicit CRole(std::u16string name, std::uint16_t minAge = 0, std::uint16_t maxAge = 0)
      : name_(std::move(name)), minAge_(minAge), maxAge_(maxAge) {}

  // A new role with the same name, parent, categories and exceptions; ages and snapshot 0.
  RolePtr Clone() const;

  const std::u16string& Name() const { return name_; }
  void SetName(std::u16string name) { name_ = std::move(name); }
  const RolePtr& Parent() const { return parent_; }
  // Setting a parent (or none) replaces an unresolved one.
  void SetParent(RolePtr parent) {
    parent_ = std::move(parent);
    unresolvedParent_.clear();
  }
  // The parent key a profile names when no loaded role has it (a template role of the
  // engine, say): the role has no parent to inherit from, but saving writes the key back.
  const std::u16string& UnresolvedParent() const { return unresolvedParent_; }
  void SetUnresolvedParent(std::u16string key) {
    parent_ = {};
    unresolvedParent_ = std::move(key);
  }
  std::uint16_t MinAge() const { return minAge_; }
  std::uint16_t MaxAge() const { return maxAge_; }

  const CategoryStates& Categories() const { return categories_; }
  void SetCategories(CategoryStates states) { categories_ = std::move(states); }
  // The role's own state for id, else its parents' up the chain; false when no role of
  // the chain decides. A chain that comes back to a role already asked ends there.
  bool GetCategory(std::uint16_t id, std::uint32_t* state) const;
  void SetCategory(std::uint16_t id, std::uint32_t state) { categories_[id] = state; }

  const std::vector<RoleException>& Exceptions() const { return exceptions_; }
  void SetExceptions(std::vector<RoleException> exceptions) { exceptions_ = std::move(exceptions); }
  const RoleException* FindException(std::u16string_view id) const;
  // Appends at the lowest priority; false when the id is already there.
  bool AppendException(RoleException exception);
  // False when the id is missing or URL and state are already these.
  bool EditException(std::u16string_view id, std::string url, std::uint32_t state);
  bool RemoveException(std::u16string_view id);

  // CRC-32 over name, parent name (or the unresolved parent key) and the sorted
  // per-category and per-exception fingerprints: the order of the exceptions does not count.
  std::uint32_t Fingerprint() const;
  std::uint32_t Snapshot() const { return snapshot_; }
  void SetSnapshot(std::uint32_t snapshot) { snapshot_ = snapshot; }

 private:
  std::u16string name_;
  RolePtr parent_;
  std::u16string unresolvedParent_;
  CategoryStates categories_;
  std::vector<RoleException> exceptions_;
  std::uint32_t snapshot_ = 0;
  std::uint16_t minAge_;
  std::uint16_t maxAge_;
};

}  // namespace parental::core
