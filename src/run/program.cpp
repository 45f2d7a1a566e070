#include "run/program.h"

#include "pictures/zol_graphika.h"
#include "run/zol.h"

namespace run {

Program::Program(tk::Application& application, std::shared_ptr<const content::Package> package)
    : main([this] { return std::make_unique<ZOL>(*this); })
    , picture_window([this] { return std::make_unique<pictures::ZOL_Graphika>(application_, *package_); })
    , application_(application)
    , package_(std::move(package))
{
}

Program::~Program() = default;

ZOL& Program::start()
{
    ZOL& window = main();
    window.Show();
    return window;
}

} // namespace run
