// The windows of one run of the program and the content they read. Each
// window is created, hidden and loaded, when first referred to.
#pragma once

#include "content/package.h"
#include "toolkit/window.h"

#include <memory>

namespace appearance {
class Cwiat;
}

namespace pictures {
class ZOL_Graphika;
}

namespace run {

class ZOL;

class Program {
public:
    Program(tk::Application& application, std::shared_ptr<const content::Package> package);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    tk::Application& application() const { return application_; }
    const content::Package& package() const { return *package_; }

    // Refers to the main window (loading it on first use) and shows it.
    ZOL& start();

    tk::Form<ZOL> main;
    tk::Form<pictures::ZOL_Graphika> picture_window;
    tk::Form<appearance::Cwiat> colour_dialog;

private:
    tk::Application& application_;
    std::shared_ptr<const content::Package> package_;
};

} // namespace run
