#include "content/package.h"

#include <utility>

namespace content {

namespace {
    const std::string empty_text;
    const ItemList empty_list;
} // namespace

ItemList::ItemList(std::vector<std::string> items)
    : items_(std::move(items))
{
    first_.reserve(items_.size());
    for (std::size_t i = 0; i < items_.size(); ++i)
        first_.emplace(items_[i], static_cast<int>(i)); // keeps the first occurrence
}

const std::string& ItemList::List(int i) const
{
    if (i < 0 || i >= ListCount())
        return empty_text;
    return items_[static_cast<std::size_t>(i)];
}

int ItemList::FindFirst(const std::string& text) const
{
    const auto found = first_.find(text);
    return found == first_.end() ? -1 : found->second;
}

Package::Package(Content content)
    : ukazanie_(std::move(content.ukazanie))
    , spis_graf_(std::move(content.spis_graf))
    , graphika_(std::move(content.graphika))
{
    danni_[0] = ItemList(std::move(content.danni0));
    danni_[1] = ItemList(std::move(content.danni1));
    danni_[3] = ItemList(std::move(content.danni3));
    for (auto& lines : content.otgowor)
        otgowor_.emplace_back(std::move(lines));
}

const ItemList& Package::Danni(int i) const
{
    return i >= 0 && i < 4 ? danni_[i] : empty_list;
}

const ItemList& Package::Otgowor(int k) const
{
    return k >= 0 && k < static_cast<int>(otgowor_.size()) ? otgowor_[static_cast<std::size_t>(k)]
                                                           : empty_list;
}

tk::PictureRef Package::Graphika(int k) const
{
    if (k < 1 || k > picture_boxes || k >= static_cast<int>(graphika_.size()))
        return nullptr;
    return graphika_[static_cast<std::size_t>(k)];
}

} // namespace content
