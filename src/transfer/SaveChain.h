#pragma once
#include <string>
#include <vector>

#include "file/Document.h"
#include "model/Data.h"
#include "transfer/SavePackets.h"
#include "transfer/SaveRecords.h"
#include "transfer/TransferHost.h"

namespace kelvane {

// Saving to the controller: one packet per record, each acknowledgement
// sending the next. Steps: devices (7), zones (11), groups (9), the site
// chain (10, then 13..16 and 25..29), the custom place names (24) and a
// list of single records (30).
class SaveChain {
public:
    SaveChain(TransferHost& host, TData& data, Document& document)
        : host_(host), data_(data), document_(document), packets_(data) {}

    static bool IsSaveStep(int step);

    // Sends the first packet of the current step.
    void DispatchFirst();
    // The controller acknowledged the last packet: send the next one.
    void Acknowledged();
    // Starts a transfer that saves one section, as its page button does.
    void StartSectionSave(std::uint8_t step);
    // Starts a transfer that saves just `records`, in their order (a device,
    // zone, group or custom name packet, or one packet of the site chain
    // each); the time is not sent.
    void StartRecordSave(std::vector<SaveRecord> records);

private:
    void NextDevice();
    void NextZone();
    void NextGroup();
    void NextCustomName();
    void SiteItem(int siteStep);
    void SendSite(SaveRecordKind kind);
    void NextRecord();
    std::string RecordPacket(const SaveRecord& record) const;

    // Status text, check item, retry count, step, then the packet.
    void Send(const std::string& text, int item, std::uint8_t step, const std::string& packet);
    void SendCounted(const std::string& text, int item, std::uint8_t step, const std::string& packet);
    void Tick(int item) { host_.Status().Check(TransferStatus::List::Save, item); }
    void GoTo(std::uint8_t step);

    TransferHost& host_;
    TData& data_;
    Document& document_;
    SavePackets packets_;
    std::vector<SaveRecord> records_;
};

}  // namespace kelvane
