#pragma once
// The toolbar pictures, drawn rather than shipped so they scale cleanly and
// read the same under every style.

#include <QIcon>

#include <functional>

class QPainter;

namespace vorlane {

enum class ToolIcon {
    PreviousRecord, NextRecord, PreviousSearch, NextSearch,
    NewRecord, CopyRecord, DeleteRecord, InsertRecord, Sort, Related,
    PrintScreen, Search, Album, Graph, Spreadsheet, Report,
    Calculator, Calendar, CdPlayer, Save, Help, Exit,
};

QIcon MakeToolIcon(ToolIcon kind);

// An icon at the usual sizes from a drawing made on a 32 by 32 canvas.
QIcon IconFromDrawing(const std::function<void(QPainter&)>& draw);

}  // namespace vorlane
