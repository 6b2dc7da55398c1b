#pragma once
#include <string>

#include "file/Document.h"
#include "model/Data.h"
#include "transfer/LoadAnswers.h"
#include "transfer/TransferHost.h"

namespace kelvane {

// Loading from the controller: a chain of requests in which each answer is
// stored and sends the next request. Steps: devices (1), zones (2), groups
// (3), the site settings (4) and the custom place names (23). A record
// stored marks the document modified: the model then holds what no file has.
// A read-back has no document to mark.
class LoadChain {
public:
    LoadChain(TransferHost& host, TData& data, Document& document)
        : host_(host), data_(data), document_(&document), answers_(data) {}
    // A read-back into a model of its own, which no document holds.
    LoadChain(TransferHost& host, TData& data)
        : host_(host), data_(data), document_(nullptr), answers_(data) {}

    static bool IsLoadStep(int step);

    // Sends the first request of the current step.
    void DispatchFirst();
    // A load answer, the whole frame with the command letter first.
    void Answer(unsigned char command, const std::string& frame);

private:
    void DeviceAnswer(const std::string& payload);
    void ZoneAnswer(const std::string& payload);
    void GroupAnswer(const std::string& payload);
    void SiteAnswer(unsigned char command, const std::string& payload);
    void CustomNameAnswer(const std::string& payload);

    // Stores a site answer and sends the next request of the site chain.
    bool StoreSiteAnswer(unsigned char command, const std::string& payload);
    void NextSiteRequest(unsigned char answered);

    void Request(unsigned char command, const std::string& payload = {});
    // `closing`: the request past the step's last record (see SendClosingRequest).
    void RequestItem(const std::string& text, unsigned char command, const std::string& payload,
                     bool closing = false);
    // Item 1 of a counted step: counter 1, progress 1 of `progressMax`.
    void FirstItem(int progressMax, const std::string& text, unsigned char command,
                   const std::string& payload);
    void Tick(int item) { host_.Status().Check(TransferStatus::List::Load, item); }
    void RecordStored();
    void GoTo(int step);
    void Finish() { host_.FinishTransfer(true); }

    TransferHost& host_;
    TData& data_;
    Document* document_;
    LoadAnswers answers_;
};

}  // namespace kelvane
