#include "apps/quorin-run/engine.h"

#include "apps/quorin-run/engine_host.h"

#include "platform/vb/error.h"

namespace scenario {

namespace {

class UnavailableEngine : public Engine {
 public:
  std::string LoadForm(const std::string& file) override {
    return file + ": the form engine is not available yet, so form files cannot be loaded";
  }
  Reply Show(const std::string&, bool) override { return Unsupported(); }
  Reply Set(const std::string&, const Value&) override { return Unsupported(); }
  Reply Get(const std::string&) override { return Unsupported(); }
  Reply Call(const std::string&, const std::vector<Value>&) override { return Unsupported(); }
  Reply Inspect(const std::string&) override { return Unsupported(); }
  Reply Save(const std::string&, const std::string&) override { return Unsupported(); }
  Reply PropertyPages(const std::string&) override { return Unsupported(); }
  Reply Place(const Placement&) override { return Unsupported(); }
  std::optional<std::string> OwnerPath(win32::HWND) override { return std::nullopt; }

 private:
  static Reply Unsupported() {
    return Reply::Failed(vb::kNotSupported, vb::ErrorText(vb::kNotSupported));
  }
};

}  // namespace

std::unique_ptr<Engine> MakeUnavailableEngine() {
  return std::make_unique<UnavailableEngine>();
}

EngineFactory DefaultEngineFactory() {
  return [](const EngineContext& context) { return MakeHostEngine(context); };
}

}  // namespace scenario
