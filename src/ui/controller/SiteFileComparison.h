#pragma once
#include "core/Prompts.h"
#include "model/Data.h"
#include "ui/platform/FileDialogs.h"

namespace kelvane {

class TfrmDifferences;

// File > Compare With File...: asks for another configuration file, reads it
// into a model of its own (the open site is not touched) and shows every
// field in which the two differ.
class SiteFileComparison {
public:
    SiteFileComparison(const TData& data, FileDialogs& dialogs, Prompts& prompts,
                       TfrmDifferences& differences)
        : data_(data), dialogs_(dialogs), prompts_(prompts), differences_(differences) {}

    void Run();

private:
    const TData& data_;
    FileDialogs& dialogs_;
    Prompts& prompts_;
    TfrmDifferences& differences_;
};

}  // namespace kelvane
