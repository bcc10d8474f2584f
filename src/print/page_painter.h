#pragma once

#include "print_document.h"

class QPagedPaintDevice;

namespace kl {

// Makes device print A4 portrait pages without margins of its own: the documents keep their own.
void use_a4_pages(QPagedPaintDevice& device);

// Lays the document out and paints it on device, page after page (always at least one); returns
// the number of pages, 0 when the device cannot be painted on. drawn, when given, receives every
// text painted.
int paint_document(const PrintDocument& document, QPagedPaintDevice& device, QString* drawn = nullptr);

}  // namespace kl
