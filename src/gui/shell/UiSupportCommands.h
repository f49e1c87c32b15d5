#pragma once
class LinkEngine;
class MSComm1;
class QWidget;

// The support side of the desktop program: every read and write is traced into the
// support cache (the last transfer only), so a support report can hold it when the
// user allows; the report dialog says what goes in before anything is written.
void KeepLastTransferTrace(LinkEngine *engine, MSComm1 *port);
void SaveSupportReport(QWidget *parent);
