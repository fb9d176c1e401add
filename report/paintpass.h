#pragma once

#include "layoutpass.h"

class QPagedPaintDevice;

// Sets the device to the report's sheet, without margins of its own: the
// pages carry the report's margins.
void setUpDevice(QPagedPaintDevice &device, const ReportPageSetup &page);

// Draws the pages on the device, one new page after each but the last.
// False when the device cannot be painted on.
bool paintReport(const QList<ReportPage> &pages, QPagedPaintDevice &device);
