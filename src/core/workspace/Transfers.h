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
    int sent() const {
        return recordsWritten + chunksWritten + int(refusedAddresses.size()) + linkFailures;
    }
    bool ok() const {
        return refusedRecords.isEmpty() && refusedChunks == 0 && linkFailures == 0 && !endedEarly &&
               !repliesInDoubt;
    }
    // The one line that ends every upload in the log.
    QString summary() const;
};

// Reads memory 56..7955 in 79 blocks of 100 bytes into the image, leaving the connection
// open. Returns true when every block arrived; after a failure the blocks read so far stay
// in the image.
bool readAllBlocks(DeviceLink& link, ConfigImage& image);

// Writes image bytes [first, end) in chunks of 100 bytes and a remainder.
void writeRange(DeviceLink& link, const ConfigImage& image, int first, int end,
                const QString& label, UploadReport& report);

// How many requests an upload of the selection sends to the image as gathered.
int plannedRequests(const ConfigImage& image, const Selectors& selectors);

// Sends the selected pages' records and ranges, page by page in the registry's order,
// from an image the pages have just gathered. Leaves the connection open; the caller
// closes it.
void uploadImage(DeviceLink& link, const ConfigImage& image, const Selectors& selectors,
                 UploadReport& report);
