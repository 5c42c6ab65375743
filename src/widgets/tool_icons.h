#pragma once
// The toolbar pictures: the desktop icon theme's where it has a fitting one,
// so the program looks at home, and our own drawings for the rest and when
// no theme is installed.

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
