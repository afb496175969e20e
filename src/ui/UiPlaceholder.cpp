// The windows of the program live in this folder.
namespace brinmora_ui {}
