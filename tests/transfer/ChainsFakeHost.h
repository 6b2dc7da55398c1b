#pragma once
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/Data.h"
#include "sim/ControllerRecords.h"
#include "transfer/TransferChains.h"
#include "transfer/TransferHost.h"

namespace kelvane::chains_test {

inline std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s += static_cast<char>(v);
    return s;
}

inline std::string WithChecksum(const std::string& packet) {
    int sum = 0;
    for (unsigned char c : packet) sum += c;
    return packet + static_cast<char>(sum & 0xFF);
}

inline std::tm JanuarySecond2026() {
    std::tm time{};
    time.tm_year = 126;
    time.tm_mon = 0;
    time.tm_mday = 2;
    time.tm_hour = 3;
    time.tm_min = 4;
    time.tm_sec = 5;
    return time;
}

// A transfer supervision without a link: it records what the chains send and
// how they start, retry and finish.
class FakeHost : public TransferHost {
public:
    TransferState state;
    TransferStatus status;
    std::vector<std::string> sent;
    std::vector<bool> finishes;  // the refresh flag of each finish
    int starts = 0;
    std::vector<bool> nvmCheckAtStart;  // whether each start had the NVM-link query pending
    int retries = 0;
    int placeNameRefreshes = 0;
    std::vector<std::string> errors;  // the messages of transfers that could not start
    bool failed = false;              // the retry limit was reached
    bool startPending = false;
    TransferSection section = TransferSection::Site;
    bool listening = false;
    bool uploadTime = false;
    std::tm now = JanuarySecond2026();

    TransferState& State() override { return state; }
    TransferStatus& Status() override { return status; }
    void SendTransferPacket(const std::string& packet) override {
        state.LastPacket = packet;
        sent.push_back(packet);
    }
    void Retry() override {
        ++retries;
        if (++state.RetryCount > 10) {
            failed = true;
            state.RetryCount = 0;
            state.Step = kStepIdle;
            status.Close();
            return;
        }
        sent.push_back(state.LastPacket);
    }
    // The NVM-link and version queries are left out: the test delivers the
    // version answer by calling DispatchFirst.
    void StartTransfer() override {
        ++starts;
        nvmCheckAtStart.push_back(state.NvmCheckPending);
        startPending = true;
        state.NvmCheckPending = false;
        status.Show();
        status.UnCheckAll();
    }
    void FinishTransfer(bool refresh) override {
        finishes.push_back(refresh);
        status.Close();
        state.Step = kStepIdle;
    }
    void ShowError(const std::string& text) override { errors.push_back(text); }
    TransferSection ActiveSection() const override { return section; }
    bool ListeningToEventLog() const override { return listening; }
    bool UploadTimeSelected() const override { return uploadTime; }
    void RefreshPlaceNameLists() override { ++placeNameRefreshes; }
    std::tm LocalTime() const override { return now; }

    std::vector<std::string> SentWithCommand(unsigned char command) const {
        std::vector<std::string> found;
        for (const std::string& p : sent)
            if (static_cast<unsigned char>(p[0]) == command) found.push_back(p);
        return found;
    }
};

// The chains of one tool model run against a simulated controller's record
// store, packet by packet, with no serial link in between.
class ChainsLoop {
    TData& tool_;
    TData& controller_;

public:
    ChainsLoop(TData& tool, TData& controller)
        : tool_(tool), controller_(controller), chains(host, tool, document), records(controller) {}

    FakeHost host;
    Document document;
    TransferChains chains;
    sim::ControllerRecords records;
    // Lets a test alter an answer before the chains see it.
    std::function<void(std::string& answer)> tamper;

    // Delivers answers and acknowledgements until the transfer is idle.
    void Run() {
        std::size_t delivered = host.sent.size();
        for (int guard = 0; guard < 100000; ++guard) {
            if (host.startPending) {
                host.startPending = false;
                tool_.SiteConfig.MainVersion = controller_.SiteConfig.MainVersion;  // the version answer
                chains.DispatchFirst();
                continue;
            }
            if (host.state.Step == kStepIdle) return;
            if (host.sent.size() == delivered) throw std::logic_error("the chain stalled");
            delivered = host.sent.size();
            Deliver(host.sent.back());
        }
        throw std::logic_error("the chain never ended");
    }

private:
    void Deliver(const std::string& packet) {
        const auto command = static_cast<unsigned char>(packet[0]);
        const std::string payload = packet.substr(2);
        if (std::optional<std::string> answer = records.AnswerRequest(command, payload)) {
            if (tamper) tamper(*answer);
            chains.LoadAnswer(static_cast<unsigned char>((*answer)[0]), WithChecksum(*answer));
        } else if (std::optional<bool> stored = records.StoreSavePacket(command, payload)) {
            if (*stored) {
                chains.Acknowledged();
            } else {
                host.Retry();
            }
        } else {
            throw std::logic_error("the controller does not know this packet");
        }
    }
};

}  // namespace kelvane::chains_test
