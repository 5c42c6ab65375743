#pragma once
// The six picture slots of a record as the "Images" page shows them: one
// slot at a time, a picture file path and a title each. Only the paths are
// kept; the pictures stay where they are.

#include <array>
#include <functional>
#include <string>

#include "storage/dialogs.h"
#include "storage/record.h"

namespace vorlane {

inline constexpr const char* kNoImageFileText = "No Image File Selected";
inline constexpr const char* kImageNotValidText = "Image File is Not Valid";

inline constexpr std::array<const char*, kImageCount> kImageTabCaptions = {
    "Image One", "Image Two", "Image Three", "Image Four", "Image Five", "Image Six"};

inline constexpr const char* kImageFileCaption = "Image File";
inline constexpr const char* kImageFileHint = "Select a Picture File";
inline constexpr const char* kClearImageCaption = "Clear Image";
inline constexpr const char* kClearImageHint = "Remove the Picture";
inline constexpr const char* kAutoSizeCaption = "Auto Size Image";
inline constexpr const char* kPictureFilter =
    "Windows Bitmap|*.bmp|JPEG Bitmat|*.jpg|PCX Bitmap|*.pcx|GIF Bitmap|*.gif";

// What the picture frame shows: the picture, or a status text in its place.
struct PictureFrame {
    bool showPicture = false;
    std::string status;
    bool operator==(const PictureFrame&) const = default;
};

class PictureSlots {
public:
    // The record that immediate edits (a chosen file, a cleared picture, a
    // typed title) go to; nullptr when no record is shown.
    using CurrentRecord = std::function<ItemRecord*()>;
    explicit PictureSlots(CurrentRecord current);

    int selected() const { return selected_; }       // 0 ... 5
    const std::string& fileName() const { return fileName_; }  // the chooser's
    const std::string& title() const { return title_; }

    // A record is shown: its selected slot fills the chooser and the title.
    // The selected tab stays as it was.
    void Show(const ItemRecord& record);
    // Another tab was chosen.
    void SelectTab(int slot);
    // "Image File": after a cancel the chooser keeps the file already shown.
    // The chooser's file becomes the slot's path either way.
    void ChooseFile(Dialogs& dialogs);
    // "Clear Image": the path goes, the title stays.
    void Clear();
    // Every change of the title box is kept at once.
    void SetTitle(const std::string& title);
    // The record is written back: the chooser's file into the selected slot.
    void WriteBack(ItemRecord& record) const;

    // What the frame shows for the chooser's file. load decodes the file and
    // says whether it became a picture; it is not called without a file.
    PictureFrame Frame(const std::function<bool(const std::string& path)>& load) const;

private:
    ImageRecord* currentSlot() const;

    CurrentRecord current_;
    int selected_ = 0;
    std::string fileName_;
    std::string title_;
};

}  // namespace vorlane
