#include "toolkit/qt/collation.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QString>
#include <QStringList>

#include <stdexcept>
#include <unicode/ucol.h>

namespace tk::qt {

BulgarianCollation::BulgarianCollation()
{
    UErrorCode status = U_ZERO_ERROR;
    collator_ = ucol_open("bg", &status);
    if (U_FAILURE(status))
        throw std::runtime_error("no Bulgarian collation available");
}

BulgarianCollation::~BulgarianCollation()
{
    ucol_close(collator_);
}

std::string BulgarianCollation::sort_key(std::string_view utf8) const
{
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    const auto* units = reinterpret_cast<const UChar*>(text.utf16());
    const auto length = static_cast<int32_t>(text.size());
    std::string key(64, '\0');
    int32_t needed = ucol_getSortKey(
        collator_, units, length, reinterpret_cast<uint8_t*>(key.data()), static_cast<int32_t>(key.size()));
    if (needed > static_cast<int32_t>(key.size())) {
        key.resize(static_cast<std::size_t>(needed));
        needed = ucol_getSortKey(collator_, units, length, reinterpret_cast<uint8_t*>(key.data()), needed);
    }
    key.resize(needed > 0 ? static_cast<std::size_t>(needed - 1) : 0); // drop the terminating zero
    return key;
}

std::vector<std::string> QtScreen::font_names() const
{
    std::vector<std::string> names;
    for (const QString& family : QFontDatabase::families())
        names.push_back(family.toStdString());
    return names;
}

double QtScreen::font_size_taken(const std::string& name, double requested) const
{
    QFont font(QString::fromStdString(name));
    font.setPointSizeF(requested);
    return QFontInfo(font).pointSizeF();
}

} // namespace tk::qt
