// The workflow's shared helpers: texts in the current language and errors shown to the user.
#include "workflow/update_workflow.h"

#include "platform/text_encoding.h"

namespace nobrix::workflow {

UpdateWorkflow::UpdateWorkflow(WorkflowServices services)
    : services_(services), productName_(services.productName) {}

std::u16string UpdateWorkflow::text(std::string_view key) const {
  return services_.texts.text(key);
}

void UpdateWorkflow::showError(const std::exception& error) {
  services_.messages.showMessage(ports::kPlainMessage, platform::fromUtf8(error.what()), 0, 0);
}

}  // namespace nobrix::workflow
