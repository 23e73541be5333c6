#pragma once

#include "image/ConfigImage.h"
#include "link/DeviceLink.h"
#include "workspace/PageRegistry.h"

#include <QList>

// What an upload met on its way; the upload itself goes on past refusals.
struct UploadReport {
    int planned = 0;        // requests the selection calls for
    int recordsWritten = 0; // acknowledged with status 0
    int chunksWritten = 0;
    QList<int> refusedRecords; // record numbers
    int refusedChunks = 0;
    QList<int> refusedAddresses; // first address of every refused record or chunk
    int linkFailures = 0;
    bool endedEarly = false;     // a link test, a broken connection or "Zrušit" ended it
    bool repliesInDoubt = false; // the unit sent more than was asked: no reply can be trusted
    // Read back after the upload: bytes compared, and the addresses (with their page) the
    // unit holds otherwise than sent. verifyIncomplete: the read-back did not finish.
    bool verified = false;
    int bytesVerified = 0;
    QList<std::pair<int, QString>> mismatches;
    bool verifyIncomplete = false;
    int sent() const {
        return recordsWritten + chunksWritten + int(refusedAddresses.size()) + linkFailures;
    }
    bool ok() const {
        return refusedRecords.isEmpty() && refusedChunks == 0 && linkFailures == 0 && !endedEarly &&
               !repliesInDoubt && mismatches.isEmpty() && !verifyIncomplete;
    }
    // The one line that ends every upload in the log.
    QString summary() const;
    // The line that ends a verified upload: all written and verified, or what differs.
    QString verifySummary() const;
};

// Reads memory 56..7955 in 79 blocks of 100 bytes into the image, leaving the connection
// open. Returns true when every block arrived; after a failure the blocks read so far stay
// in the image.
bool readAllBlocks(DeviceLink& link, ConfigImage& image);

// Writes image bytes [first, end) in chunks of 100 bytes and a remainder.
void writeRange(DeviceLink& link, const ConfigImage& image, int first, int end,
                const QString& label, UploadReport& report);

// Reads image bytes [first, end) from the unit, 100 a request, leaving the connection open.
// Returns false when a read did not come back whole.
bool readRange(DeviceLink& link, ConfigImage& image, int first, int end);

// Reads back every record and range the upload of the selection wrote (100 bytes a request,
// the connection left open) and compares it with the image. Returns false when a read did
// not come back whole; what was compared so far stays in the report.
bool verifyUpload(DeviceLink& link, const ConfigImage& image, const Selectors& selectors,
                  UploadReport& report);

// How many requests an upload of the selection sends to the image as gathered.
int plannedRequests(const ConfigImage& image, const Selectors& selectors);

// Sends the selected pages' records and ranges, page by page in the registry's order,
// from an image the pages have just gathered. Leaves the connection open; the caller
// closes it.
void uploadImage(DeviceLink& link, const ConfigImage& image, const Selectors& selectors,
                 UploadReport& report);
