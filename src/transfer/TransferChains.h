#pragma once
#include <optional>
#include <string>
#include <vector>

#include "file/Document.h"
#include "model/Data.h"
#include "transfer/LoadChain.h"
#include "transfer/SaveChain.h"
#include "transfer/TransferHost.h"

namespace kelvane {

// The load and save chains behind the four transfer commands. The window
// (or the command line) calls a command after moving the focus off the code
// boxes and checking `Document::CodesValid`; the transfer supervision then
// runs the chain through `TransferSteps`. Each command returns false when no
// transfer started: while the event log is shown nothing at all is touched, and a
// save that would send a value the controller refuses (or that cannot
// travel) says so and sends nothing.
class TransferChains : public TransferSteps {
public:
    TransferChains(TransferHost& host, TData& data, Document& document);

    // `btnLoadAllFromPanel`: devices, zones, groups, site and custom names.
    bool LoadAllFromPanel();
    // `btnLoadFromPanel`: the active section. False when there is none (no
    // transfer starts).
    bool LoadFromPanel();
    // `btnSaveAllToPanel`: devices, zones, groups, site and custom names.
    bool SaveAllToPanel();
    // `btnSavetoPanel`: the active section; false as above.
    bool SaveToPanel();
    // A whole load into `target`, a model apart from the open document, which
    // neither it nor the controller's version touches (a verify's read-back).
    // `target` must outlive the transfer.
    void ReadBackAllInto(TData& target);
    // Saves just `records` (the records a verify found differing); false as above.
    bool SaveRecords(std::vector<SaveRecord> records);

    void DispatchFirst() override;
    void LoadAnswer(unsigned char command, const std::string& packet) override;
    void Acknowledged() override;
    TData* VersionModel() override;

private:
    // The load chain of the open document for every command but a read-back.
    void UseDocumentLoad() { activeLoad_ = &load_; }
    // False, after telling the user why, when a value of `records` would be
    // refused by the controller or cannot travel: nothing is sent then.
    bool SaveMayStart(const std::vector<SaveRecord>& records);

    TransferHost& host_;
    const TData& data_;
    LoadChain load_;
    SaveChain save_;
    std::optional<LoadChain> readBack_;
    TData* readBackTarget_ = nullptr;
    LoadChain* activeLoad_ = &load_;
};

}  // namespace kelvane
