#pragma once

#include "core/store/tableStore.h"

#include <QString>

// What was kept on this PC before the school's server was set, sent to it
// once asked (after what waits in the outbox): results, protocols and the answer history of every profile.
// A record the server already holds (the same values in every field) is not
// sent again, and each sent record carries an id made from its table, its
// key and its values, so asking twice never doubles it.
struct UploadCount {
    int sent = 0;
    int present = 0; // on the server already
};

bool uploadEarlierRecords(const QString& folder, const QString& connection, UploadCount* count,
                          StoreError* error);
