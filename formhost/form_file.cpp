#include "formhost/form_file.h"

#include <cstdio>
#include <memory>
#include <stdexcept>

#include "automation/dispatch_error.h"
#include "formhost/text_cursor.h"

namespace {

constexpr wchar_t kHeader[] = L"formhost form 1";
constexpr wchar_t kFormName[] = L"Form1";

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size, nullptr, nullptr);
  return utf8;
}

// False when the bytes are not UTF-8.
bool FromUtf8(const std::string& bytes, std::wstring* text) {
  text->clear();
  if (bytes.empty()) return true;
  int size =
      MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  if (size <= 0) return false;
  text->resize(size);
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), text->data(), size);
  return true;
}

struct FileCloser {
  void operator()(FILE* file) const { std::fclose(file); }
};
using UniqueFile = std::unique_ptr<FILE, FileCloser>;

std::wstring RectText(const RECT& r) {
  return std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," + std::to_wstring(r.right - r.left) + L"," +
         std::to_wstring(r.bottom - r.top);
}

RECT ParseRect(TextCursor& cursor) {
  constexpr int64_t kLimit = 32767;
  LONG left = static_cast<LONG>(cursor.Integer("the left edge", -kLimit, kLimit));
  cursor.Expect(L',');
  LONG top = static_cast<LONG>(cursor.Integer("the top edge", -kLimit, kLimit));
  cursor.Expect(L',');
  LONG width = static_cast<LONG>(cursor.Integer("a width", 0, kLimit));
  cursor.Expect(L',');
  LONG height = static_cast<LONG>(cursor.Integer("a height", 0, kLimit));
  return {left, top, left + width, top + height};
}

bool SameName(const std::wstring& a, const std::wstring& b) { return _wcsicmp(a.c_str(), b.c_str()) == 0; }

std::wstring NameOfContainer(const FormWindow& form, IDispatch* container) {
  for (const auto& splitter : form.Splitters())
    if (splitter->ExtenderObject() == container) return splitter->Name();
  return kFormName;
}

// Reads one form file line by line, keeping what it read so far.
class FormReader {
 public:
  void Line(std::wstring_view line);
  SavedForm Finish();

 private:
  void FormLine(TextCursor& cursor);
  void SplitterLine(TextCursor& cursor);
  void ControlLine(TextCursor& cursor);
  // A new name, and the container named after In.
  std::wstring NewName(TextCursor& cursor, const char* what);
  std::wstring Container(TextCursor& cursor);

  bool header_ = false;
  bool formLine_ = false;
  SavedSplitter* open_ = nullptr;
  SavedForm form_;
};

void FormReader::Line(std::wstring_view line) {
  TextCursor cursor(line);
  if (!header_) {
    if (!cursor.TakeWord(L"formhost") || !cursor.TakeWord(L"form") || !cursor.TakeWord(L"1") || !cursor.AtEnd())
      throw std::invalid_argument("not a formhost form: the first line is not \"formhost form 1\"");
    header_ = true;
    return;
  }
  if (cursor.AtEnd() || cursor.Take(L'\'')) return;
  if (open_) {
    if (cursor.TakeWord(L"End")) {
      cursor.ExpectEnd();
      open_ = nullptr;
    } else if ((cursor.TakeWord(L"Splitter") || cursor.TakeWord(L"Control")) && !cursor.Take(L'=')) {
      throw std::invalid_argument("the splitter " + Narrow(open_->name) + " has no End before this line");
    } else {
      open_->properties->AddLine(line);
    }
  } else if (cursor.TakeWord(L"Form")) {
    FormLine(cursor);
  } else if (!formLine_) {
    throw std::invalid_argument("expected the Form line first");
  } else if (cursor.TakeWord(L"Splitter")) {
    SplitterLine(cursor);
  } else if (cursor.TakeWord(L"Control")) {
    ControlLine(cursor);
  } else {
    cursor.Fail("expected Splitter or Control");
  }
}

void FormReader::FormLine(TextCursor& cursor) {
  if (formLine_) cursor.Fail("a second Form line");
  if (!cursor.TakeWord(L"Width")) cursor.Fail("expected Width");
  form_.size.cx = static_cast<LONG>(cursor.Integer("the form's width", 1, 32767));
  if (!cursor.TakeWord(L"Height")) cursor.Fail("expected Height");
  form_.size.cy = static_cast<LONG>(cursor.Integer("the form's height", 1, 32767));
  if (!cursor.TakeWord(L"Mode")) cursor.Fail("expected Mode");
  if (cursor.TakeWord(L"Design"))
    form_.design = true;
  else if (cursor.TakeWord(L"Run"))
    form_.design = false;
  else
    cursor.Fail("expected Design or Run");
  cursor.ExpectEnd();
  formLine_ = true;
}

std::wstring FormReader::NewName(TextCursor& cursor, const char* what) {
  std::wstring name = cursor.Name(what);
  bool taken = SameName(name, kFormName);
  for (const auto& splitter : form_.splitters) taken = taken || SameName(splitter.name, name);
  for (const auto& child : form_.children) taken = taken || SameName(child.name, name);
  if (taken) cursor.Fail("the name " + Narrow(name) + " is taken");
  return name;
}

std::wstring FormReader::Container(TextCursor& cursor) {
  if (!cursor.TakeWord(L"In")) cursor.Fail("expected In");
  std::wstring name = cursor.Name("a container's name");
  if (SameName(name, kFormName)) return kFormName;
  for (const auto& splitter : form_.splitters)
    if (SameName(splitter.name, name)) return splitter.name;
  cursor.Fail("no splitter before this line is called " + Narrow(name));
}

void FormReader::SplitterLine(TextCursor& cursor) {
  SavedSplitter splitter;
  splitter.name = NewName(cursor, "the splitter's name");
  splitter.container = Container(cursor);
  if (!cursor.TakeWord(L"Rect")) cursor.Fail("expected Rect");
  splitter.rect = ParseRect(cursor);
  cursor.ExpectEnd();
  splitter.properties = TextPropertyBag::Create();
  form_.splitters.push_back(std::move(splitter));
  open_ = &form_.splitters.back();
}

void FormReader::ControlLine(TextCursor& cursor) {
  SavedChild child;
  child.name = NewName(cursor, "the control's name");
  if (!cursor.TakeWord(L"Kind")) cursor.Fail("expected Kind");
  std::wstring kind = cursor.Word("a kind of control");
  bool known = false;
  for (ChildKind candidate : {ChildKind::Tree, ChildKind::List, ChildKind::Edit, ChildKind::Label}) {
    std::string name = ChildKindName(candidate);
    if (SameName(kind, std::wstring(name.begin(), name.end()))) child.kind = candidate, known = true;
  }
  if (!known) cursor.Fail("not a kind of control (tree, list, edit, label): " + Narrow(kind));
  child.container = Container(cursor);
  if (!cursor.TakeWord(L"Rect")) cursor.Fail("expected Rect");
  child.rect = ParseRect(cursor);
  cursor.ExpectEnd();
  form_.children.push_back(std::move(child));
}

SavedForm FormReader::Finish() {
  if (!header_) throw std::invalid_argument("not a formhost form: the file is empty");
  if (open_) throw std::invalid_argument("the splitter " + Narrow(open_->name) + " has no End");
  if (!formLine_) throw std::invalid_argument("the Form line is missing");
  return std::move(form_);
}

}  // namespace

SavedForm SaveForm(const FormWindow& form) {
  SavedForm saved;
  RECT client{};
  GetClientRect(form.Handle(), &client);
  saved.size = {client.right, client.bottom};
  saved.design = !form.UserMode();
  for (const auto& splitter : form.Splitters()) {
    SavedSplitter entry;
    entry.name = splitter->Name();
    entry.container = NameOfContainer(form, splitter->ContainerObject());
    entry.rect = splitter->Rect();
    entry.properties = TextPropertyBag::Create();
    try {
      splitter->SaveProperties(*entry.properties.Get());
    } catch (const DispatchError& error) {
      throw DispatchError(error.Number(), splitter->Name() + L": " + error.Member(), error.Description(),
                          error.Source());
    }
    saved.splitters.push_back(std::move(entry));
  }
  for (const auto& child : form.Children())
    saved.children.push_back(
        {child->Kind(), child->Name(), NameOfContainer(form, child->ContainerObject()), child->PixelRect()});
  return saved;
}

void WriteFormFile(const std::wstring& path, const SavedForm& form) {
  std::wstring text = std::wstring(kHeader) + L"\n";
  text += L"Form Width " + std::to_wstring(form.size.cx) + L" Height " + std::to_wstring(form.size.cy) + L" Mode " +
          (form.design ? L"Design" : L"Run") + L"\n";
  for (const auto& splitter : form.splitters) {
    text += L"Splitter " + NameText(splitter.name) + L" In " + NameText(splitter.container) + L" Rect " +
            RectText(splitter.rect) + L"\n";
    try {
      for (const std::wstring& line : splitter.properties->Lines()) text += L"    " + line + L"\n";
    } catch (const std::invalid_argument& error) {
      throw std::runtime_error(Narrow(path) + ": the splitter " + Narrow(splitter.name) + ": " + error.what());
    }
    text += L"End\n";
  }
  for (const auto& child : form.children) {
    std::string kind = ChildKindName(child.kind);
    text += L"Control " + NameText(child.name) + L" Kind " + std::wstring(kind.begin(), kind.end()) + L" In " +
            NameText(child.container) + L" Rect " + RectText(child.rect) + L"\n";
  }
  std::string bytes = Utf8(text);
  UniqueFile file(_wfopen(path.c_str(), L"wb"));
  if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size() || std::fflush(file.get()) != 0)
    throw std::runtime_error(Narrow(path) + ": the form file cannot be written");
}

SavedForm ReadFormFile(const std::wstring& path) {
  UniqueFile file(_wfopen(path.c_str(), L"rb"));
  if (!file) throw std::runtime_error(Narrow(path) + ": the form file cannot be opened");
  std::string bytes;
  char buffer[16384];
  while (size_t got = std::fread(buffer, 1, sizeof buffer, file.get())) bytes.append(buffer, got);
  if (std::ferror(file.get())) throw std::runtime_error(Narrow(path) + ": the form file cannot be read");
  if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) bytes.erase(0, 3);
  FormReader reader;
  size_t start = 0;
  for (int number = 1; start < bytes.size(); ++number) {
    size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string raw = bytes.substr(start, end - start);
    start = end + 1;
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    try {
      std::wstring line;
      if (!FromUtf8(raw, &line)) throw std::invalid_argument("not UTF-8 text");
      reader.Line(line);
    } catch (const std::invalid_argument& error) {
      throw std::runtime_error(Narrow(path) + ":" + std::to_string(number) + ": " + error.what());
    }
  }
  try {
    return reader.Finish();
  } catch (const std::invalid_argument& error) {
    throw std::runtime_error(Narrow(path) + ": " + error.what());
  }
}

void OpenForm(FormWindow& form, const SavedForm& saved) {
  auto find = [&](const std::wstring& name) -> SplitterSite* {
    for (const auto& splitter : form.Splitters())
      if (splitter->Name() == name) return splitter.Get();
    return nullptr;
  };
  for (const auto& splitter : saved.splitters) {
    try {
      form.AddSavedSplitter(splitter.name, *splitter.properties.Get(), find(splitter.container), splitter.rect);
    } catch (const DispatchError& error) {
      throw DispatchError(error.Number(), splitter.name + L": " + error.Member(), error.Description(), error.Source());
    }
  }
  for (const auto& child : saved.children) {
    RECT r = child.rect;
    form.AddChild(child.kind, child.name, find(child.container), r);
  }
  form.ActivateSplitters();
}
