// The content package: everything that makes the test this particular test.
// It offers the lists of the data window (Danni, Otgowor, Ukazanie) and the
// picture data (Spis_graf and the pictures), with the same item positions, and
// never changes once built.
#pragma once

#include "toolkit/controls.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace content {

// A read-only list of texts with the accessors of a list box.
class ItemList {
public:
    ItemList() = default;
    explicit ItemList(std::vector<std::string> items);

    // The text of item i; the empty text at or beyond ListCount.
    const std::string& List(int i) const;
    int ListCount() const { return static_cast<int>(items_.size()); }
    // Position of the first item exactly equal to text, from item 0; -1 if none.
    int FindFirst(const std::string& text) const;
    // True when no text stands twice, so that each item is where its text is first found.
    bool all_distinct() const { return first_.size() == items_.size(); }

private:
    std::vector<std::string> items_;
    std::unordered_map<std::string, int> first_;
};

// The raw lists, as a test's author writes them.
struct Content {
    std::vector<std::string> danni0; // left expressions
    std::vector<std::string> danni1; // right expressions
    std::vector<std::string> danni3; // title, then five layout numbers in twips
    std::vector<std::vector<std::string>> otgowor; // [0] flags, [1..30] explanation lines
    std::string ukazanie; // instructions, lines end in CR LF
    std::vector<std::string> spis_graf; // [0] heading, [k] picture flag of left k
    std::vector<tk::PictureRef> graphika; // [k] picture of left k, 1..30
};

inline constexpr int explanation_lists = 30; // Otgowor(1) to Otgowor(30)
inline constexpr int picture_boxes = 30; // Graphika(1) to Graphika(30)
inline constexpr int max_expressions = 10922; // three times a count stays in 16 bits

class Package {
public:
    explicit Package(Content content);

    const ItemList& Danni(int i) const; // 0, 1 and 3; others are empty
    const ItemList& Otgowor(int k) const; // 0 to 30; others are empty
    const std::string& Ukazanie() const { return ukazanie_; }
    const ItemList& Spis_graf() const { return spis_graf_; }
    // The picture stored for left number k, null when there is none.
    tk::PictureRef Graphika(int k) const;

private:
    ItemList danni_[4];
    std::vector<ItemList> otgowor_;
    std::string ukazanie_;
    ItemList spis_graf_;
    std::vector<tk::PictureRef> graphika_;
};

// The web address that begins the test's title and the picture window's caption.
extern const char* const publisher_address;

// The test built into the program: 17 army ranks against 17 navy ranks.
Content builtin_content();
std::shared_ptr<const Package> builtin_test();

} // namespace content
