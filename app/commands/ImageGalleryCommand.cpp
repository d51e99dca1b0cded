#include "app/commands/ImageGalleryCommand.h"

#include "app/examiner/GalleryHost.h"
#include "app/examiner/FileSelection.h"
#include "gallery/GalleryCells.h"
#include "gallery/GalleryPictures.h"
#include "gallery/ImageImport.h"
#include "platform/ConsoleHost.h"

namespace lenvari {
namespace {

std::string VisitImageGallery(ProgramContext& context, PresetAction mode) {
  if (!context.chartCanvas) return kGalleryEscaped;
  const Bitmap& picture = ImageGalleryPicture(context.galleries, context.state, context.shapes,
                                              &context.state.saveFailures);
  return ImageGallery(context.state, *context.chartCanvas, picture, mode,
                      MakeGalleryVisitHost(context));
}

}  // namespace

void OpenImageGallery(ProgramContext& context) { VisitImageGallery(context, PresetAction::Recall); }

void AddGalleryImages(ProgramContext& context) {
  AddImagesHost host;
  host.messageBox = [&context](const std::string& text, const std::string& title) {
    context.console.ConsoleMessageBox(text, kMbOk, title);
  };
  host.selectImage = [] {
    std::string folder, file;
    return SELECTBMP(folder, file);
  };
  host.chooseSlot = [&context] { return VisitImageGallery(context, PresetAction::Store); };
  host.rebuildImageGallery = [&context] {
    RebuildImageGallery(context.galleries, context.state, context.shapes,
                        &context.state.saveFailures);
  };
  AddImages(context.state, host);
  if (context.chartWindow) context.chartWindow->Activate();
}

}  // namespace lenvari
