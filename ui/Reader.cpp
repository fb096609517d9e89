#include "ui/Reader.h"

namespace {

// Finds the named binary property among those a component declares and
// hands it the stored bytes.
class TBinaryPropertyFiler : public TFiler {
 public:
  TBinaryPropertyFiler(std::string_view name, TStream& data) : FName(name), FData(data) {}
  void DefineBinaryProperty(std::string_view name, TStreamProc readData) override {
    if (FFound || name != FName) return;
    FFound = true;
    if (readData) readData(FData);
  }
  bool Found() const { return FFound; }

 private:
  std::string_view FName;
  TStream& FData;
  bool FFound = false;
};

}  // namespace

TReader::TReader(TComponent& root) : FRoot(root) {
  FRoot.FComponentState |= csLoading | csReading;
  FLoaded.push_back(&FRoot);
}

void TReader::Begin(TComponent& component, const std::string& name) {
  component.FComponentState |= csLoading | csReading;
  component.SetName(name);
  FLoaded.push_back(&component);
}

void TReader::ReadBinaryProperty(TComponent& component, std::string_view name, TStream& data) {
  TBinaryPropertyFiler filer(name, data);
  component.DefineProperties(filer);
  if (!filer.Found()) {
    throw Exception("Error reading " + component.Name() + "." + std::string(name) + ": Property " +
                    std::string(name) + " does not exist");
  }
}

void TReader::EndRead() {
  for (TComponent* component : FLoaded) component->FComponentState &= ~csReading;
  for (TComponent* component : FLoaded) component->Loaded();
  FLoaded.clear();
}
