// The headless harness of the behaviour tests: a fake screen, the Bulgarian
// collation, a session that starts the program on a content package, the
// learner's actions on the real controls, and the fixture packages.
#pragma once

#include "content/package.h"
#include "pictures/zol_graphika.h"
#include "run/program.h"
#include "run/zol.h"
#include "toolkit/window.h"

#include <memory>
#include <string>
#include <vector>

namespace zt {

// A machine with a fixed set of fonts.
class FakeScreen : public tk::Screen {
public:
    std::vector<std::string> font_names() const override;
};

// The order of the sorted lists, one instance for all tests.
const tk::Collation& bulgarian();

// The items of a list, in order.
std::vector<std::string> items(const tk::ListBox& list);
std::vector<std::string> items(const content::ItemList& list);

// True when the texts stand in the order of the collation.
bool in_sorted_order(const std::vector<std::string>& texts);

// The texts "1" to "n".
std::vector<std::string> numbers_up_to(int n);

// One run of the program on a package, started as the program starts.
class Session {
public:
    explicit Session(std::shared_ptr<const content::Package> package = content::builtin_test());

    run::ZOL& zol() { return *zol_; }
    const content::Package& package() const { return program_.package(); }
    tk::Application& application() { return application_; }
    run::Program& program() { return program_; }
    // The picture window if it is loaded, else null.
    pictures::ZOL_Graphika* picture_window() { return program_.picture_window.loaded(); }

    // The learner's actions; a click on a disabled button raises nothing.
    void pick_left(const std::string& text);
    void pick_right(const std::string& text);
    void pick_pair(int i);
    void pair(const std::string& left, const std::string& right);
    void record();
    void withdraw();
    void evaluate();
    void explain();
    void click_thumbnail();

    // What the learner sees.
    std::string remaining() const { return zol_->Ndapis.Caption(); }
    std::string explanation() const { return zol_->Prowerka[0].Text(); }
    std::vector<std::string> pairs() const { return items(zol_->Slowo[2]); }
    bool picture_window_visible() { return picture_window() && picture_window()->Visible(); }
    std::string left_text(int k) const { return package().Danni(0).List(k - 1); }
    std::string right_text(int k) const { return package().Danni(1).List(k - 1); }

private:
    void pick(int side, const std::string& text);

    FakeScreen screen_;
    tk::Application application_;
    run::Program program_;
    run::ZOL* zol_;
};

// ---------------------------------------------------------------- fixture packages

// A package of the given expressions with the built-in test's title, layout
// and instructions, every flag "0" and every explanation list empty.
content::Content plain_content(std::vector<std::string> left, std::vector<std::string> right);
std::shared_ptr<const content::Package> package_of(content::Content content);

// Five fruits on the left against three colours on the right: N = 3.
std::shared_ptr<const content::Package> five_left_three_right();
// Five left against seven right: N = 5.
std::shared_ptr<const content::Package> five_left_seven_right();
// Eight against eight: N = 8, where the scores fall on exact halves.
std::shared_ptr<const content::Package> eight_by_eight();
// The built-in test with a picture of 3000 x 2000 twips for left expression 3.
std::shared_ptr<const content::Package> picture_for_left_3();
tk::PictureRef picture_of(int width_twips, int height_twips);
// The built-in test with explanation flag "1" for left expression 6.
std::shared_ptr<const content::Package> explained_left_6();
// 34 left and 34 right with flags a package must not hold: picture flags
// missing, empty, not a number or set above 30, explanation flags above 30.
std::shared_ptr<const content::Package> faulty_flags();
// n distinct Cyrillic expressions on each side.
std::shared_ptr<const content::Package> generated(int n);

// The texts of the fixtures, for readable tests.
extern const std::vector<std::string> fruits; // five left expressions
extern const std::vector<std::string> colours; // seven right expressions

} // namespace zt
