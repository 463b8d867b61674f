#pragma once

#include <QByteArray>
#include <QList>

// Sum of all byte codes (0..255) of the coded lines 1..20, in decimal.
QByteArray ComputeChecksum(const QList<QByteArray>& lines);
