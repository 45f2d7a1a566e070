// Long random sequences of the learner's actions, each checked against a small
// reference model of the test run. ZOL_SOAK_SEQUENCES sets how many sequences
// run (default 200, of 60 actions or more each); the seed is fixed, so a failure
// repeats and its trace names every action that led to it.
#include "support.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <sstream>

namespace {

// At least 60 actions, more for larger tests so that learners reach the evaluation.
int actions_for(const content::Package& package)
{
    return std::max(60, 8 * std::min(package.Danni(0).ListCount(), package.Danni(1).ListCount()));
}

int soak_sequences()
{
    const char* text = std::getenv("ZOL_SOAK_SEQUENCES");
    if (text && *text) {
        const int n = std::atoi(text);
        if (n > 0)
            return n;
    }
    return 200;
}

struct Fixture {
    const char* name;
    std::shared_ptr<const content::Package> (*package)();
    bool reaches_evaluation; // within one sequence, now and then
};

const Fixture fixtures[] = {
    { "builtin", content::builtin_test, true },
    { "five_left_three_right", zt::five_left_three_right, true },
    // 5 pairs never reach 3 x 2 unpaired right expressions: "Оцени" stays off.
    { "five_left_seven_right", zt::five_left_seven_right, false },
    { "eight_by_eight", zt::eight_by_eight, true },
    { "picture_for_left_3", zt::picture_for_left_3, true },
    { "explained_left_6", zt::explained_left_6, true },
    { "faulty_flags", zt::faulty_flags, true },
};

// What the learner should see, worked out from the actions alone.
class Model {
public:
    explicit Model(zt::Session& s)
        : s_(s)
        , zol_(s.zol())
        , package_(s.package())
        , n_left_(package_.Danni(0).ListCount())
        , n_right_(package_.Danni(1).ListCount())
    {
        left_selected_ = number_shown(0, 0);
        right_selected_ = number_shown(1, 0);
        current_left_ = left_selected_;
        thumbnail_ = current_left_;
        explanation_ = package_.Ukazanie();
    }

    // One random action of the learner; returns what it was.
    std::string act(std::mt19937& rng)
    {
        auto uniform = [&](int below) { return std::uniform_int_distribution<int>(0, below - 1)(rng); };
        const double u = std::uniform_real_distribution<double>(0.0, 1.0)(rng);
        int kind;
        if (left_selected_ == 0 && zol_.Slowo[0].ListCount() > 0 && u < 0.35)
            kind = 0;
        else if (right_selected_ == 0 && zol_.Slowo[1].ListCount() > 0 && u < 0.6)
            kind = 1;
        else if (left_selected_ != 0 && right_selected_ != 0 && u < 0.75)
            kind = 3;
        else
            kind = std::discrete_distribution<int>({ 2, 2, 2, 3, 1.5, 1, 1, 1 })(rng);

        switch (kind) {
        case 0:
        case 1:
        case 2: {
            const int count = zol_.Slowo[kind].ListCount();
            if (count == 0)
                return "nothing to pick in Slowo(" + std::to_string(kind) + ")";
            const int row = uniform(count);
            pick(kind, row);
            return "pick Slowo(" + std::to_string(kind) + ") row " + std::to_string(row) + " \""
                + zol_.Slowo[kind].List(row) + "\"";
        }
        case 3:
            record();
            return "Избрах";
        case 4:
            withdraw();
            return "Върни";
        case 5:
            evaluate();
            return "Оцени";
        case 6:
            explain();
            return "Обясни";
        default:
            click_thumbnail();
            return "thumbnail";
        }
    }

    // Everything that must hold after each action; empty when it does.
    std::string check()
    {
        std::ostringstream fault;
        check_lists(fault);
        check_buttons(fault);
        check_display(fault);
        return fault.str();
    }

    bool evaluated() const { return evaluated_; }

private:
    int number_of(int side, const std::string& text) const
    {
        return package_.Danni(side).FindFirst(text) + 1;
    }
    int number_shown(int side, int row) const
    {
        return row < 0 ? 0 : number_of(side, zol_.Slowo[side].List(row));
    }
    int unpaired_right() const { return n_right_ - static_cast<int>(pairs_.size()); }
    int unpaired_left() const { return n_left_ - static_cast<int>(pairs_.size()); }
    bool rule() const { return static_cast<int>(pairs_.size()) >= 3 * unpaired_right(); }

    void shown(int k)
    {
        thumbnail_ = k;
        window_shown_ = false;
    }

    void pair_clicked(int i)
    {
        pair_selected_ = i;
        explanation_.clear();
        current_left_ = pairs_[static_cast<std::size_t>(i)].first;
        shown(current_left_);
    }

    void pick(int list, int row)
    {
        const bool changes = zol_.Slowo[list].ListIndex() != row;
        if (list == 0 && changes) {
            left_selected_ = number_shown(0, row);
            current_left_ = left_selected_;
            shown(current_left_);
        } else if (list == 1 && changes) {
            right_selected_ = number_shown(1, row);
        } else if (list == 2 && changes) {
            pair_clicked(row);
        }
        if (list == 0)
            zol_.Slowo[0].learner_select(row);
        else if (list == 1)
            zol_.Slowo[1].learner_select(row);
        else
            s_.pick_pair(row);
    }

    bool record_choice()
    {
        if (left_selected_ == 0 || right_selected_ == 0)
            return false;
        pairs_.emplace_back(left_selected_, right_selected_);
        left_selected_ = right_selected_ = 0;
        counted_ = true;
        return true;
    }

    void record()
    {
        if (!evaluated_)
            record_choice();
        s_.record();
    }

    void withdraw()
    {
        if (!evaluated_ && pair_selected_ >= 0) {
            pairs_.erase(pairs_.begin() + pair_selected_);
            const int count = static_cast<int>(pairs_.size());
            const int next = pair_selected_ < count ? pair_selected_ : count - 1;
            pair_selected_ = -1;
            if (next >= 0)
                pair_clicked(next);
            counted_ = true;
        }
        s_.withdraw();
    }

    void evaluate()
    {
        if (!evaluated_ && rule() && !pairs_.empty()) {
            evaluated_ = true;
            pair_clicked(0);
        }
        s_.evaluate();
    }

    void explain()
    {
        if (!evaluated_ && !explained_) {
            const int k = left_selected_;
            if (record_choice()) {
                explained_ = true;
                explain_expression(k);
            }
        } else if (evaluated_ && pair_selected_ >= 0) {
            explain_expression(pairs_[static_cast<std::size_t>(pair_selected_)].first);
        }
        s_.explain();
    }

    void explain_expression(int k)
    {
        explanation_ = "\r\n\"" + package_.Danni(0).List(k - 1) + "\" е във връзка с \""
            + package_.Danni(1).List(k - 1) + "\"";
        if (k <= content::explanation_lists && tk::number_from_text(package_.Otgowor(0).List(k)) > 0)
            for (const std::string& line : zt::items(package_.Otgowor(k)))
                explanation_ += "\r\n" + line;
        shown(k);
    }

    // The stored picture a flag names, null when the flag names none.
    tk::PictureRef stored(int k) const
    {
        const auto flag = tk::strict_number_from_text(package_.Spis_graf().List(k));
        if (!flag || *flag <= 0 || k < 1 || k > content::picture_boxes)
            return nullptr;
        return package_.Graphika(k);
    }

    void click_thumbnail()
    {
        if (stored(current_left_))
            window_shown_ = true;
        s_.click_thumbnail();
    }

    const std::string& key(const std::string& text)
    {
        auto found = keys_.find(text);
        if (found == keys_.end())
            found = keys_.emplace(text, zt::bulgarian().sort_key(text)).first;
        return found->second;
    }

    void check_lists(std::ostream& fault)
    {
        std::vector<int> seen[2] = { std::vector<int>(static_cast<std::size_t>(n_left_ + 1)),
            std::vector<int>(static_cast<std::size_t>(n_right_ + 1)) };
        for (int side = 0; side < 2; ++side) {
            const tk::ListBox& shown = zol_.Slowo[side];
            const tk::ListBox& twin = zol_.dum_N[side];
            if (shown.ListCount() != twin.ListCount())
                fault << "Slowo(" << side << ") and dum_N(" << side << ") differ in count\n";
            for (int i = 0; i < shown.ListCount(); ++i) {
                const int k = number_of(side, shown.List(i));
                if (twin.List(i) != std::to_string(k))
                    fault << "dum_N(" << side << ") item " << i << " is " << twin.List(i) << ", not " << k
                          << "\n";
                if (k >= 1)
                    ++seen[side][static_cast<std::size_t>(k)];
                if (i > 0 && key(shown.List(i)) < key(shown.List(i - 1)))
                    fault << "Slowo(" << side << ") out of order at " << i << "\n";
            }
        }
        const tk::ListBox& entries = zol_.Slowo[2];
        if (entries.ListCount() != static_cast<int>(pairs_.size())
            || zol_.dum_N[2].ListCount() != entries.ListCount()
            || zol_.dum_N[3].ListCount() != entries.ListCount())
            fault << "recorded pairs: " << entries.ListCount() << " entries, " << zol_.dum_N[2].ListCount()
                  << " and " << zol_.dum_N[3].ListCount() << " numbers, " << pairs_.size() << " expected\n";
        for (int i = 0; i < static_cast<int>(pairs_.size()); ++i) {
            const auto [left, right] = pairs_[static_cast<std::size_t>(i)];
            const std::string text
                = package_.Danni(0).List(left - 1) + " " + package_.Danni(1).List(right - 1);
            if (entries.List(i) != text || zol_.dum_N[2].List(i) != std::to_string(left)
                || zol_.dum_N[3].List(i) != std::to_string(right))
                fault << "pair " << i << " is \"" << entries.List(i) << "\" " << zol_.dum_N[2].List(i) << "/"
                      << zol_.dum_N[3].List(i) << ", expected \"" << text << "\" " << left << "/" << right
                      << "\n";
            ++seen[0][static_cast<std::size_t>(left)];
            ++seen[1][static_cast<std::size_t>(right)];
        }
        for (int side = 0; side < 2; ++side)
            for (std::size_t k = 1; k < seen[side].size(); ++k)
                if (seen[side][k] != 1)
                    fault << "number " << k << " of side " << side << " occurs " << seen[side][k]
                          << " times\n";
        if (zt::items(zol_.dum_N[4]) != zt::numbers_up_to(n_left_)
            || zt::items(zol_.dum_N[5]) != zt::numbers_up_to(n_right_))
            fault << "number tables changed\n";
        if (zt::items(zol_.Nastroiki)
            != std::vector<std::string> { std::to_string(std::min(n_left_, n_right_)) })
            fault << "Nastroiki changed\n";

        if (number_shown(0, zol_.Slowo[0].ListIndex()) != left_selected_)
            fault << "left selection on " << number_shown(0, zol_.Slowo[0].ListIndex()) << ", expected "
                  << left_selected_ << "\n";
        if (number_shown(1, zol_.Slowo[1].ListIndex()) != right_selected_)
            fault << "right selection on " << number_shown(1, zol_.Slowo[1].ListIndex()) << ", expected "
                  << right_selected_ << "\n";
        if (entries.ListIndex() != pair_selected_)
            fault << "pair selection " << entries.ListIndex() << ", expected " << pair_selected_ << "\n";
    }

    void check_buttons(std::ostream& fault)
    {
        const bool expected[4]
            = { !evaluated_, !evaluated_, !evaluated_ && rule(), evaluated_ || !explained_ };
        for (int i = 0; i < 4; ++i)
            if (zol_.Uprawl[i].Enabled() != expected[i])
                fault << "Uprawl(" << i << ") enabled " << zol_.Uprawl[i].Enabled() << ", expected "
                      << expected[i] << "\n";
    }

    void check_display(std::ostream& fault)
    {
        std::string caption = "Оставащи:";
        if (evaluated_) {
            int correct = 0;
            for (const auto& [left, right] : pairs_)
                correct += left == right;
            const double percent = 100.0 * correct / std::min(n_left_, n_right_);
            caption = "Верни: " + std::to_string(static_cast<long>(std::nearbyint(percent))) + "%";
        } else if (counted_) {
            caption = "Остават: " + std::to_string(std::min(unpaired_left(), unpaired_right()));
        }
        if (zol_.Ndapis.Caption() != caption)
            fault << "Ndapis \"" << zol_.Ndapis.Caption() << "\", expected \"" << caption << "\"\n";

        if (zol_.Prowerka[1].Visible() != evaluated_)
            fault << "verdict box visible " << zol_.Prowerka[1].Visible() << "\n";
        if (pair_selected_ >= 0) {
            const auto [left, right] = pairs_[static_cast<std::size_t>(pair_selected_)];
            const char* verdict = left == right ? "ДА" : "НЕ";
            const tk::Colour colour = left == right ? 65280 : 255;
            if (zol_.Prowerka[1].Text() != verdict || zol_.Prowerka[1].BackColor() != colour)
                fault << "verdict \"" << zol_.Prowerka[1].Text() << "\" on " << zol_.Prowerka[1].BackColor()
                      << ", expected \"" << verdict << "\"\n";
        }
        if (zol_.Prowerka[0].Text() != explanation_)
            fault << "Prowerka(0) \"" << zol_.Prowerka[0].Text() << "\", expected \"" << explanation_
                  << "\"\n";
        if (zol_.Current_Left != current_left_)
            fault << "Current_Left " << zol_.Current_Left << ", expected " << current_left_ << "\n";
        const tk::PictureRef thumbnail = stored(thumbnail_) ? stored(thumbnail_) : zol_.Grafika[1].Picture();
        if (zol_.Grafika[0].Picture() != thumbnail)
            fault << "thumbnail not the picture of " << thumbnail_ << "\n";
        if (s_.picture_window_visible() != window_shown_)
            fault << "picture window visible " << s_.picture_window_visible() << "\n";
    }

    zt::Session& s_;
    run::ZOL& zol_;
    const content::Package& package_;
    const int n_left_;
    const int n_right_;
    std::vector<std::pair<int, int>> pairs_;
    int left_selected_ = 0; // number of the selected expression, 0 none
    int right_selected_ = 0;
    int pair_selected_ = -1;
    bool evaluated_ = false;
    bool explained_ = false;
    bool counted_ = false;
    int current_left_ = 0;
    int thumbnail_ = 0;
    bool window_shown_ = false;
    std::string explanation_;
    std::map<std::string, std::string> keys_;
};

TEST(Model, RandomLearnersKeepEveryInvariant)
{
    const int sequences = soak_sequences();
    constexpr int fixture_count = static_cast<int>(std::size(fixtures));
    std::vector<std::shared_ptr<const content::Package>> packages;
    for (const Fixture& fixture : fixtures)
        packages.push_back(fixture.package());
    std::vector<int> evaluated(fixture_count);

    for (int sequence = 0; sequence < sequences; ++sequence) {
        const int f = sequence % fixture_count;
        std::mt19937 rng(20261211u + static_cast<unsigned>(sequence));
        zt::Session s(packages[static_cast<std::size_t>(f)]);
        Model model(s);
        const int actions = actions_for(s.package());
        std::vector<std::string> trace { "start-up" };
        std::string fault = model.check();
        for (int step = 0; fault.empty() && step < actions; ++step) {
            trace.push_back(model.act(rng));
            fault = model.check();
        }
        if (!fault.empty()) {
            std::ostringstream story;
            for (std::size_t i = 0; i < trace.size(); ++i)
                story << "  " << i << ": " << trace[i] << "\n";
            FAIL() << "sequence " << sequence << " on " << fixtures[f].name << " after:\n"
                   << story.str() << fault;
        }
        evaluated[static_cast<std::size_t>(f)] += model.evaluated();
    }

    // The learners must reach the evaluated phase, or half the behaviour goes unchecked.
    if (sequences >= 20 * fixture_count)
        for (int f = 0; f < fixture_count; ++f) {
            EXPECT_TRUE(evaluated[static_cast<std::size_t>(f)] > 0 || !fixtures[f].reaches_evaluation)
                << fixtures[f].name;
        }
}

} // namespace
