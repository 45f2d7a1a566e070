#include "run/program.h"

#include "appearance/cwiat.h"
#include "pictures/zol_graphika.h"
#include "run/zol.h"

namespace run {

Program::Program(tk::Application& application, std::shared_ptr<const content::Package> package)
    : main([this] { return std::make_unique<ZOL>(*this); })
    , picture_window([this] { return std::make_unique<pictures::ZOL_Graphika>(application_, *package_); })
    , colour_dialog([this] {
        // The dialog edits the main window's record and, on "Запис", its look.
        ZOL& zol = main();
        return std::make_unique<appearance::Cwiat>(application_, zol.Cweta[0],
            appearance::MainWindowLook {
                zol, { &zol.Slowo[0], &zol.Slowo[1], &zol.Slowo[2] }, zol.Prowerka[0], zol.Ndapis });
    })
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
