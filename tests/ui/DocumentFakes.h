#pragma once
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "file/DocumentStore.h"
#include "model/Data.h"
#include "ui/platform/FileDialogs.h"

namespace kelvane::test {

// Configuration files held in memory: a file is its comment lines.
class FakeDocumentStore : public DocumentStore {
public:
    explicit FakeDocumentStore(TData& data) : data_(data) {}

    struct Written {
        std::string path;
        std::vector<std::string> comments;
    };

    void AddFile(const std::string& path, std::vector<std::string> comments) {
        files_[path] = std::move(comments);
    }
    void RefuseWritesTo(const std::string& path) { refused_.insert(path); }
    void FailReading(const std::string& path) { unreadable_.insert(path); }

    bool IsValid(const std::string& path, std::string& errorText) override {
        if (files_.count(path) > 0) return true;
        errorText = "The selected file is not a valid Kelvane Programming Tools file";
        return false;
    }

    bool Read(const std::string& path, std::string& errorText) override {
        if (OnRead) OnRead();
        data_.ResetToDefaults();
        if (unreadable_.count(path)) {
            data_.Comments = {"half"};
            errorText = "Unable to read " + path;
            return false;
        }
        data_.Comments = files_.at(path);
        return true;
    }

    bool Write(const std::string& path, std::string& errorText) override {
        if (refused_.count(path)) {
            errorText = "Unable to write to " + path;
            return false;
        }
        writes.push_back({path, data_.Comments});
        files_[path] = data_.Comments;
        return true;
    }

    std::vector<Written> writes;
    // Called as a read starts (to look at the window while it reads).
    std::function<void()> OnRead;

private:
    TData& data_;
    std::map<std::string, std::vector<std::string>> files_;
    std::set<std::string> refused_;
    std::set<std::string> unreadable_;
};

// File dialogs answered from a script: a path, or nothing for Cancel. A
// dialog that was not scripted fails the test.
class ScriptedFileDialogs : public FileDialogs {
public:
    void QueueOpen(std::optional<std::string> answer) { open_.push_back(std::move(answer)); }
    void QueueSave(std::optional<std::string> answer) { save_.push_back(std::move(answer)); }

    std::optional<std::string> AskOpenPath() override { return Next(open_, "open"); }
    std::optional<std::string> AskSavePath(const std::string& current) override {
        offeredSavePaths.push_back(current);
        return Next(save_, "save");
    }

    bool AllAnswered() const { return open_.empty() && save_.empty(); }
    int shown = 0;
    // The file each save dialog offered (empty: none).
    std::vector<std::string> offeredSavePaths;

private:
    std::optional<std::string> Next(std::deque<std::optional<std::string>>& queue, const char* which) {
        ++shown;
        if (queue.empty()) throw std::logic_error(std::string("unscripted ") + which + " dialog");
        std::optional<std::string> answer = queue.front();
        queue.pop_front();
        return answer;
    }

    std::deque<std::optional<std::string>> open_;
    std::deque<std::optional<std::string>> save_;
};

}  // namespace kelvane::test
