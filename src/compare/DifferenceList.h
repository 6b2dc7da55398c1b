#pragma once
#include <functional>
#include <string>
#include <vector>

#include "compare/SiteDifference.h"

namespace kelvane {

// Collects the differences of one comparison, record by record.
class DifferenceList {
public:
    explicit DifferenceList(std::vector<SiteDifference>& out) : out_(out) {}

    // The record the next differences belong to.
    void Record(DifferenceSection section, int number) {
        section_ = section;
        number_ = number;
    }

    // A text field, compared and shown as it is.
    void Text(const char* field, const std::string& a, const std::string& b) {
        if (a != b) Add(field, a, b);
    }

    // A number compared as stored and shown in words. When both words read
    // the same (two values the words do not tell apart), the stored numbers
    // are added to them.
    void Number(const char* field, int a, int b, const std::function<std::string(int)>& words) {
        if (a != b) Described(field, a, b, words(a), words(b));
    }
    void Described(const char* field, int a, int b, std::string wordA, std::string wordB) {
        if (a == b) return;
        if (wordA == wordB) {
            wordA += " (" + std::to_string(a) + ")";
            wordB += " (" + std::to_string(b) + ")";
        }
        Add(field, std::move(wordA), std::move(wordB));
    }

    void Flag(const char* field, bool a, bool b) {
        if (a != b) Add(field, a ? "Yes" : "No", b ? "Yes" : "No");
    }

    void Add(const char* field, std::string a, std::string b) {
        out_.push_back({section_, number_, field, std::move(a), std::move(b)});
    }

private:
    std::vector<SiteDifference>& out_;
    DifferenceSection section_ = DifferenceSection::Site;
    int number_ = 0;
};

struct ComparisonScope;
class TKSiteConfig1;

// Adds the differing site settings (`TSiteConfig` and `TKSiteConfig1`) that
// `scope` looks at.
void CompareSiteSettings(const TKSiteConfig1& a, const TKSiteConfig1& b, const ComparisonScope& scope,
                         DifferenceList& list);

}  // namespace kelvane
