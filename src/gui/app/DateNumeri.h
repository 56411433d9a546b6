#pragma once
// The process-wide date and number settings, dd/mm/yyyy and the decimal comma: made once,
// when the program starts.
void ImpostaDateNumeri();
