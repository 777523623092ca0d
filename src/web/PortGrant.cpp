#include "web/PortGrant.h"

#include "data/Product.h"
#include "data/Text.h"

std::u16string portGrantParameters(std::u16string_view systemFolder, int port) {
    const std::u16string netsh = formatText(u"\"%s\\netsh.exe\"", {std::u16string(systemFolder)});
    const std::u16string number = formatNumber(port);
    const std::u16string rule(product::webFirewallRule);
    // /d leaves out the command shell's AutoRun commands; /s keeps the quotes inside the outer pair.
    return formatText(u"/d /s /c \"%s http add urlacl url=http://+:%s/ \"sddl=D:(A;;GX;;;AU)\" & "
                      u"%s advfirewall firewall delete rule \"name=%s\" protocol=tcp localport=%s & "
                      u"%s advfirewall firewall add rule \"name=%s\" dir=in action=allow protocol=TCP localport=%s "
                      u"remoteip=localsubnet profile=private,domain\"",
                      {netsh, number, netsh, rule, number, netsh, rule, number});
}
