// The Bulgarian collation of the sorted list boxes, and the installed fonts.
#pragma once

#include "toolkit/collation.h"

#include <memory>

struct UCollator;

namespace tk::qt {

// Bulgarian alphabetical order, from ICU's collation for the "bg" locale.
class BulgarianCollation : public Collation {
public:
    BulgarianCollation();
    ~BulgarianCollation() override;
    BulgarianCollation(const BulgarianCollation&) = delete;
    BulgarianCollation& operator=(const BulgarianCollation&) = delete;

    std::string sort_key(std::string_view utf8) const override;

private:
    UCollator* collator_;
};

// The screen fonts that Qt's font database knows. Needs a QGuiApplication.
class QtScreen : public Screen {
public:
    std::vector<std::string> font_names() const override;
    double font_size_taken(const std::string& name, double requested) const override;
};

} // namespace tk::qt
