#include "editor/picture_slots.h"

#include <utility>

namespace vorlane {

namespace {

// The chooser opens where the shown picture lives.
std::string FolderOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return {};
    return path.substr(0, slash == 0 ? 1 : slash);
}

}  // namespace

PictureSlots::PictureSlots(CurrentRecord current) : current_(std::move(current)) {}

ImageRecord* PictureSlots::currentSlot() const {
    ItemRecord* record = current_ ? current_() : nullptr;
    return record ? &record->Images[static_cast<std::size_t>(selected_)] : nullptr;
}

void PictureSlots::Show(const ItemRecord& record) {
    const ImageRecord& slot = record.Images[static_cast<std::size_t>(selected_)];
    fileName_ = slot.FileName;
    title_ = slot.Title;
}

void PictureSlots::SelectTab(int slot) {
    if (slot < 0 || slot >= kImageCount) return;
    selected_ = slot;
    if (ImageRecord* shown = currentSlot()) {
        fileName_ = shown->FileName;
        title_ = shown->Title;
    } else {
        fileName_.clear();
        title_.clear();
    }
}

void PictureSlots::ChooseFile(Dialogs& dialogs) {
    if (auto chosen = dialogs.ChooseFileToOpen(kImageFileHint, kPictureFilter, FolderOf(fileName_)))
        fileName_ = *chosen;
    if (ImageRecord* slot = currentSlot()) slot->FileName = fileName_;
}

void PictureSlots::Clear() {
    fileName_.clear();
    if (ImageRecord* slot = currentSlot()) slot->FileName.clear();
}

void PictureSlots::SetTitle(const std::string& title) {
    title_ = title;
    if (ImageRecord* slot = currentSlot()) slot->Title = title;
}

void PictureSlots::WriteBack(ItemRecord& record) const {
    record.Images[static_cast<std::size_t>(selected_)].FileName = fileName_;
}

PictureFrame PictureSlots::Frame(const std::function<bool(const std::string& path)>& load) const {
    if (fileName_.empty()) return {false, kNoImageFileText};
    if (load && load(fileName_)) return {true, {}};
    return {false, kImageNotValidText};
}

}  // namespace vorlane
