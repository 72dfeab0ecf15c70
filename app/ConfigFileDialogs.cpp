#include "app/ConfigFileDialogs.h"

#include <QFile>

namespace cadmira::app {
namespace {

const QString kXmlFilter = QStringLiteral("XML (*.xml)|*.xml||");

}  // namespace

framework::FileDialogRequest OpenConfigFileRequest() {
  framework::FileDialogRequest request;
  request.mode = framework::FileDialogRequest::Mode::Open;
  request.filter = kXmlFilter;
  request.readOnlyBoxHidden = true;
  return request;
}

framework::FileDialogRequest ExportConfigFileRequest() {
  framework::FileDialogRequest request;
  request.mode = framework::FileDialogRequest::Mode::Save;
  request.filter = kXmlFilter;
  request.defaultExtension = QStringLiteral("xml");
  request.initialName = QStringLiteral("profstore");
  request.readOnlyBoxChecked = true;
  request.overwritePrompt = true;
  request.pathMustExist = true;
  request.fileMustExist = true;
  return request;
}

std::string FileSystemPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace cadmira::app
