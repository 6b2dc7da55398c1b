#pragma once
#include <ctime>
#include <string>

#include "transfer/TransferSection.h"
#include "transfer/TransferState.h"
#include "transfer/TransferStatus.h"

namespace kelvane {

class TData;

// What the load and save chains need from the transfer supervision that runs
// them: the shared state, the status view, the one way to send a packet, and
// the common ways a transfer starts, retries and ends.
class TransferHost {
public:
    virtual ~TransferHost() = default;

    virtual TransferState& State() = 0;
    virtual TransferStatus& Status() = 0;

    // Stores `packet` (command, length, payload) as the last packet and sends it.
    virtual void SendTransferPacket(const std::string& packet) = 0;
    // As SendTransferPacket, for the request past a step's last zone or
    // custom name: its answer is read for nothing but the step's end and
    // carries no record number to check.
    virtual void SendClosingRequest(const std::string& packet) { SendTransferPacket(packet); }
    // Applies the retry rule to the last packet.
    virtual void Retry() = 0;
    // Starts a transfer for the step and flags already set (NVM-link and
    // version queries first).
    virtual void StartTransfer() = 0;
    // Closes the status window and returns to idle; with `refresh` the active
    // page is filled again from the model.
    virtual void FinishTransfer(bool refresh) = 0;

    // Tells the user why a transfer cannot start (an error box with OK).
    virtual void ShowError(const std::string& text) = 0;

    // What the window shows: the section of the single-section commands, and
    // whether the link listens to the event log.
    virtual TransferSection ActiveSection() const = 0;
    virtual bool ListeningToEventLog() const = 0;
    // The Site Config tab's "Copy PC Time to Panel on Program:" box.
    virtual bool UploadTimeSelected() const = 0;
    // Refills the place name lists after custom names were loaded.
    virtual void RefreshPlaceNameLists() = 0;
    // The PC's local date and time, for the time packet.
    virtual std::tm LocalTime() const = 0;
};

// The load and save chains as the supervision sees them.
class TransferSteps {
public:
    virtual ~TransferSteps() = default;
    // Sends the first request or packet of the current step (after the
    // version answer, and when one step hands over to the next).
    virtual void DispatchFirst() = 0;
    // A load answer ("I", "O", "Q", "S", "x", 0x80, "z", "|", "~", "t", "r",
    // "p"): the whole frame, command letter first.
    virtual void LoadAnswer(unsigned char command, const std::string& packet) = 0;
    // The controller acknowledged the last save packet.
    virtual void Acknowledged() = 0;
    // The model the controller's version answer goes into while a transfer
    // runs: null for the open document's, the one a read-back loads into
    // otherwise.
    virtual TData* VersionModel() { return nullptr; }
};

}  // namespace kelvane
