// GLib before anything of Qt: gio's headers have members named "signals".
#include <gio/gio.h>

#include "platform/desktop/gnome_system_settings.h"

#include "desktop/pointer_scale.h"

namespace k9::desktop {

namespace {
constexpr const char* kSchema = "org.gnome.desktop.peripherals.mouse";
constexpr const char* kSpeedKey = "speed";
}  // namespace

GnomeSystemSettings::GnomeSystemSettings() {
  GSettingsSchemaSource* source = g_settings_schema_source_get_default();
  if (!source) return;
  GSettingsSchema* schema = g_settings_schema_source_lookup(source, kSchema, TRUE);
  if (!schema) return;
  if (g_settings_schema_has_key(schema, kSpeedKey)) m_settings = g_settings_new_full(schema, nullptr, nullptr);
  g_settings_schema_unref(schema);
}

GnomeSystemSettings::~GnomeSystemSettings() {
  if (m_settings) g_object_unref(m_settings);
}

std::optional<int> GnomeSystemSettings::QueryPointerSpeed() {
  if (!m_settings) return std::nullopt;
  return PointerSpeedOfAcceleration(g_settings_get_double(m_settings, kSpeedKey));
}

void GnomeSystemSettings::SetPointerSpeed(int speed) {
  if (!m_settings) return;
  g_settings_set_double(m_settings, kSpeedKey, AccelerationOfPointerSpeed(speed));
  // The exit sequence sets the speed right before the process ends: the
  // write must be out before then.
  g_settings_sync();
}

}  // namespace k9::desktop
