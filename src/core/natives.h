// Every game native the plug-in calls, once, by purpose. Feature code calls these names and never
// a bare hash. Each entry says what the plug-in relies on from the game.
//
// Add new natives to the section of their domain, keeping the hash written once.
#pragma once

#include <cstdint>

#include "core/native.h"
#include "core/vector3.h"

namespace bf::natives {

// --- Player -------------------------------------------------------------------------------------

// The player's ped handle.
inline int32_t playerPedId() {
    return invoke<int32_t>(0x096275889B8E0EE0);
}

// The player index (single player: always the same).
inline int32_t playerId() {
    return invoke<int32_t>(0x217E9DC48139933D);
}
// The horse the player rides or last rode; 0 for none.
inline int32_t getPlayerMount(int32_t player) {
    return invoke<int32_t>(0xB48050D326E9A2F3, player);
}

// --- Time and randomness ------------------------------------------------------------------------

// Milliseconds of game time; unsigned, compare with the signed 32-bit difference.
inline uint32_t getGameTimer() {
    return invoke<uint32_t>(0x4F67E8ECA7D3F667);
}
// Clock A: the game clock in game seconds.
inline int32_t getClockSeconds() {
    return invoke<int32_t>(0x78FD8BE812E436B2);
}
// Timer milliseconds per game minute; scales the length of bleeding.
inline int32_t getMillisecondsPerGameMinute() {
    return invoke<int32_t>(0xE4CB8D126501EC52);
}
// A random integer in [min, max): the maximum itself is never returned.
inline int32_t getRandomIntInRange(int32_t min, int32_t max) {
    return invoke<int32_t>(0xD53343AA4FB7DD28, min, max);
}
// A random float in [min, max).
inline float getRandomFloatInRange(float min, float max) {
    return invoke<float>(0xE29F927A961F8AAA, min, max);
}

// The script's own timer, in milliseconds of game time since it was last set.
inline int32_t getScriptTimer() {
    return invoke<int32_t>(0x83666F9FB8FEBD4B);
}
inline void setScriptTimer(int32_t ms) {
    invoke(0xC1B1E9A034A63A62, ms);
}

// --- Hashes -------------------------------------------------------------------------------------

// The game's hash of a name (case-insensitive).
inline uint32_t getHashKey(const char* name) {
    return invoke<uint32_t>(0xFD340785ADF8CFB7, name);
}

// --- Streaming ----------------------------------------------------------------------------------

inline void requestStreamedTextureDict(const char* dictionary, bool unused) {
    invoke(0xC1BA29DF5631B0F8, dictionary, unused);
}
inline bool hasStreamedTextureDictLoaded(const char* dictionary) {
    return invoke<bool>(0x54D6900929CCF162, dictionary);
}

// --- Map zones ----------------------------------------------------------------------------------

// The id of the zone of that type at a position (1 town, 10 district); 0 where there is none.
inline uint32_t getMapZoneAtCoords(Vector3 position, int32_t zoneType) {
    return invoke<uint32_t>(0x43AD8FC02B429D33, position, zoneType);
}

// --- Entities -----------------------------------------------------------------------------------

inline Vector3 getEntityCoords(int32_t entity, bool alive, bool realCoords) {
    return invoke<Vector3>(0xA86D5F069399F44D, entity, alive, realCoords);
}
inline float getDistanceBetweenCoords(Vector3 a, Vector3 b, bool useZ) {
    return invoke<float>(0x0BE7F4E3CDBAFB28, a, b, useZ);
}
// A unit vector along the entity's facing.
inline Vector3 getEntityForwardVector(int32_t entity) {
    return invoke<Vector3>(0x2412D9C05BB09B97, entity);
}
// Rotation in degrees (pitch, roll, yaw) in the given rotation order.
inline Vector3 getEntityRotation(int32_t entity, int32_t rotationOrder) {
    return invoke<Vector3>(0xE09CAF86C32CB48F, entity, rotationOrder);
}
inline bool doesEntityExist(int32_t entity) {
    return invoke<bool>(0xD42BD6EB2E0F1677, entity);
}
inline bool isEntityDead(int32_t entity) {
    return invoke<bool>(0x7D5B1F88E7504BBA, entity);
}
inline uint32_t getEntityModel(int32_t entity) {
    return invoke<uint32_t>(0xDA76A9F39210D365, entity);
}
// Degrees, 0 to 360.
inline float getEntityHeading(int32_t entity) {
    return invoke<float>(0xC230DD956E2F5507, entity);
}
// The entity's health when unhurt, in health points.
inline int32_t getEntityMaxHealth(int32_t entity) {
    return invoke<int32_t>(0x15D757606D170C3C, entity, 0);
}
inline void setEntityMaxHealth(int32_t entity, int32_t health) {
    invoke(0x166E7CF68597D8B5, entity, health);
}
// Health points; `killer` is named as the source should the entity die of it (0: none).
inline void setEntityHealth(int32_t entity, int32_t health, int32_t killer) {
    invoke(0xAC2767ED8BDFAB15, entity, health, killer);
}
// Deletes a script-owned entity and zeroes the handle.
inline void deleteEntity(int32_t* entity) {
    invoke(0x4CD38C78BD19A497, entity);
}
// Hands the entity back to the game, which may clean it up when it likes.
inline void setEntityAsNoLongerNeeded(int32_t* entity) {
    invoke(0x4971D2F8162B9674, entity);
}

// --- World --------------------------------------------------------------------------------------

// The height of the ground under a point; false when the game finds none there.
inline bool getGroundZFor3dCoord(Vector3 position, float* groundZ, bool waterAsGround) {
    return invoke<bool>(0x24FA4267BB8D2431, position, groundZ, waterAsGround);
}
// A scenario point that peds can use; 0 when the game refuses it.
inline int32_t createScenarioPoint(Vector3 position, float radius, uint32_t scenario) {
    return invoke<int32_t>(0xE143FA2249364369, position, radius, scenario, 0, 0, 0);
}
inline void deleteScenarioPoint(int32_t point) {
    invoke(0x81948DFE4F5A0283, point);
}

// --- Models and streaming -----------------------------------------------------------------------

inline void requestModel(uint32_t model, bool unused) {
    invoke(0xFA28FE3A6246FC30, model, unused);
}
inline bool hasModelLoaded(uint32_t model) {
    return invoke<bool>(0x1283B8B89DD5D1B6, model);
}

// --- Peds ---------------------------------------------------------------------------------------

// A new ped of a loaded model; 0 when the model is not loaded.
inline int32_t createPed(uint32_t model, Vector3 position) {
    return invoke<int32_t>(0xD49F9B0955C367DE, model, position, 0.0f, 0, 0, 0, 0);
}
// Dresses a new ped in one of its model's outfits; without it the ped shows no clothes.
inline void setRandomOutfitVariation(int32_t ped, bool unused) {
    invoke(0x283978A15512B2FE, ped, unused);
}
// Fills slots 1.. of `buffer` (slot 0 holds the capacity) with peds near `ped`; returns the count.
inline int32_t getPedNearbyPeds(int32_t ped, int64_t* buffer, int32_t ignoredPedType,
                                int32_t unused) {
    return invoke<int32_t>(0x23F8F5FC7E8C4A6B, ped, buffer, ignoredPedType, unused);
}
// Nonzero while the ped acts out that scenario (by hash).
inline bool isPedUsingScenarioHash(int32_t ped, uint32_t scenario) {
    return invoke<bool>(0x34D6AC1157C8226C, ped, scenario);
}
// The animal type hash of a ped (the population's type key).
inline uint32_t getPedAnimalType(int32_t ped) {
    return invoke<uint32_t>(0x964000D355219FC0, ped);
}
inline uint32_t getPedRelationshipGroupHash(int32_t ped) {
    return invoke<uint32_t>(0x7DBDD04862D95F04, ped);
}
// Where the ped's last shot hit; false when it has none.
inline bool getPedLastWeaponImpactCoord(int32_t ped, NativeVector3* impact) {
    return invoke<bool>(0x6C4D0409BA1A2BC2, ped, impact);
}

// --- Weapons ------------------------------------------------------------------------------------

inline bool hasPedGotWeapon(int32_t ped, uint32_t weapon) {
    return invoke<bool>(0x8DECB02F88F428BC, ped, weapon, 0, 0);
}
inline void giveDelayedWeaponToPed(int32_t ped, uint32_t weapon, int32_t ammunition) {
    invoke(0xB282DC6EBD803C75, ped, weapon, ammunition, 0, 0);
}
inline void setCurrentPedWeapon(int32_t ped, uint32_t weapon, bool equipNow) {
    invoke(0xADF692B254977C0C, ped, weapon, equipNow, 0, 0, 0);
}
// Writes the weapon held at an attach point (0 = the main hand) into *weapon.
inline bool getCurrentPedWeapon(int32_t ped, uint64_t* weapon, int32_t attachPoint) {
    return invoke<bool>(0x3A87E44BB9A01D54, ped, weapon, 0, attachPoint, 0);
}

// --- Speech -------------------------------------------------------------------------------------

// `params` points at the game's seven-slot speech block (line, voice, and five words).
inline void playPedAmbientSpeech(int32_t ped, const void* params) {
    invoke(0x8E04FEDD28D42462, ped, params);
}

// --- Prompts ------------------------------------------------------------------------------------

inline int32_t promptRegisterBegin() {
    return invoke<int32_t>(0x04F97DE45A519419);
}
inline void promptSetControlAction(int32_t prompt, uint32_t control) {
    invoke(0xB5352B7494A08258, prompt, control);
}
inline void promptSetText(int32_t prompt, uint64_t textHandle) {
    invoke(0x5DD02A8318420DD7, prompt, textHandle);
}
// Group 0 takes the prompt out of every group.
inline void promptSetGroup(int32_t prompt, int32_t group, int32_t tab) {
    invoke(0x2F11D3A254169EA4, prompt, group, tab);
}
inline void promptSetStandardMode(int32_t prompt, bool on) {
    invoke(0xCC6656799977741B, prompt, on);
}
inline void promptSetHoldMode(int32_t prompt, bool on) {
    invoke(0x94073D5CA3F16B7B, prompt, on);
}
inline void promptSetMashManualMode(int32_t prompt, int32_t presses, int32_t a, int32_t b,
                                    int32_t c) {
    invoke(0x32DF729D8BD3C1C6, prompt, presses, a, b, c);
}
inline void promptSetAttribute(int32_t prompt, int32_t attribute, bool on) {
    invoke(0x560E76D5E2E1803F, prompt, attribute, on);
}
inline void promptRegisterEnd(int32_t prompt) {
    invoke(0xF7AA2696A22AD8B9, prompt);
}
inline void promptSetEnabled(int32_t prompt, bool on) {
    invoke(0x8A0FB4D03A630D21, prompt, on);
}
inline void promptSetVisible(int32_t prompt, bool on) {
    invoke(0x71215ACCFDE075EE, prompt, on);
}
inline void promptDelete(int32_t prompt) {
    invoke(0x00EDE88D4D13CF59, prompt);
}
// The prompt group of a ped (shown while the player targets it); 0 when it has none.
inline int32_t promptGetGroupIdForTargetEntity(int32_t entity) {
    return invoke<int32_t>(0xB796970BD125FCE8, entity);
}
inline bool promptHasStandardModeCompleted(int32_t prompt) {
    return invoke<bool>(0xC92AC953F0A982AE, prompt, 0);
}
// Stays true while the control is still held after the hold completed.
inline bool promptHasHoldModeCompleted(int32_t prompt) {
    return invoke<bool>(0xE0F65F0640EF0617, prompt);
}
inline bool promptHasMashModeCompleted(int32_t prompt) {
    return invoke<bool>(0x845CE958416DC473, prompt);
}

// --- Blips --------------------------------------------------------------------------------------

// A blip's style and its sprite are both name hashes that sit beside entity handles in calls;
// their own types keep them from trading places.
struct BlipStyle {
    uint32_t hash = 0;
};
struct BlipSprite {
    uint32_t hash = 0;
};

inline int32_t blipAddForEntity(BlipStyle style, int32_t entity) {
    return invoke<int32_t>(0x23F74C2FDA6E7C61, style.hash, entity);
}
inline int32_t blipAddForCoords(BlipStyle style, Vector3 position) {
    return invoke<int32_t>(0x554D9D53F696D002, style.hash, position);
}
inline int32_t blipAddForRadius(BlipStyle style, Vector3 position, float radius) {
    return invoke<int32_t>(0x45F13B7E0A15C880, style.hash, position, radius);
}
inline void setBlipSprite(int32_t blip, BlipSprite sprite, bool unused) {
    invoke(0x74F74D3207ED525C, blip, sprite.hash, unused);
}
inline void blipAddModifier(int32_t blip, uint32_t modifier) {
    invoke(0x662D364ABF16DE2F, blip, modifier);
}
inline bool doesBlipExist(int32_t blip) {
    return invoke<bool>(0xCD82FA174080B3B1, blip);
}
// Removes the blip and zeroes the handle.
inline void removeBlip(int32_t* blip) {
    invoke(0xF2C3C9DA47AAA54A, blip);
}
inline void setBlipName(int32_t blip, uint64_t textHandle) {
    invoke(0x9CB1A1623062F402, blip, textHandle);
}

// --- Decorators ---------------------------------------------------------------------------------

// Type codes: 1 float, 3 integer.
inline void decorRegister(const char* name, int32_t typeCode) {
    invoke(0x0B253D644E3C36B3, name, typeCode);
}
inline void decorSetFloat(int32_t entity, const char* name, float value) {
    invoke(0x238F8B0C1C7FE834, entity, name, value);
}
inline void decorSetInt(int32_t entity, const char* name, int32_t value) {
    invoke(0xE88F4D7F52A6090F, entity, name, value);
}
// 0.0 when the decorator was never set on the entity.
inline float decorGetFloat(int32_t entity, const char* name) {
    return invoke<float>(0xE5FF70CD842CA9D4, entity, name);
}
// 0 when the decorator was never set on the entity.
inline int32_t decorGetInt(int32_t entity, const char* name) {
    return invoke<int32_t>(0x44DB62727762FD9B, entity, name);
}

// --- Events -------------------------------------------------------------------------------------

inline int32_t getNumberOfEvents(int32_t group) {
    return invoke<int32_t>(0x5CE8DE5909565748, group);
}
// The type hash of the event at that index of the group's queue.
inline uint32_t getEventAtIndex(int32_t group, int32_t index) {
    return invoke<uint32_t>(0xA85E614430EFF816, group, index);
}
// Copies the event's data, one 8-byte slot per value, into the caller's buffer.
inline bool getEventData(int32_t group, int32_t index, uint64_t* buffer, int32_t slots) {
    return invoke<bool>(0x57EC5FA4D4D6AFCA, group, index, buffer, slots);
}
// Nonzero while the panel of an inspected animal is on screen.
inline bool isInspectionPanelOpen() {
    return invoke<bool>(0xDB30BEC7A7A5CBD3);
}

// --- Peds and animals ---------------------------------------------------------------------------

inline bool isPedAnimal(int32_t ped) {
    return invoke<bool>(0x9A100F1CF4546629, ped);
}
inline bool isPedHuman(int32_t ped) {
    return invoke<bool>(0xB980061DA992779D, ped);
}
inline bool isThisModelAHorse(uint32_t model) {
    return invoke<bool>(0x772A1969F649E902, model);
}
// Animals whose size the game fixes (they are left at their size).
inline bool isPedSizeFixed(int32_t ped) {
    return invoke<bool>(0xC346A546612C49A9, ped);
}
// 0 poor, 1 good, 2 perfect.
inline int32_t getPedQuality(int32_t ped) {
    return invoke<int32_t>(0x7BCC6087D130312A, ped);
}
inline int32_t getModelSizeClass(uint32_t model) {
    return invoke<int32_t>(0xA65AA1ACE81E5A77, model);
}
inline void setPedScale(int32_t ped, float scale) {
    invoke(0x25ACFC650B65C538, ped, scale);
}
// One of the model's own outfits (coat, colours, antlers ...) by the game's preset number.
inline void equipMetaPedOutfitPreset(int32_t ped, int32_t preset) {
    invoke(0x77FF8D35EEC6BBC4, ped, preset, 0);
}
// The two calls that make a changed ped body show.
inline void updatePedVariation(int32_t ped) {
    invoke(0xCC8CA3E88256E58F, ped, 0, 0, 0, 0, 0);
}
inline void refreshPedBody(int32_t ped) {
    invoke(0x1D491CCF7211FB74, ped);
}
inline Vector3 getPedBoneCoords(int32_t ped, int32_t bone, float x, float y, float z) {
    return invoke<Vector3>(0x17C07FC640E86B4E, ped, bone, x, y, z);
}
// 1.0 unhurt.
inline float getPedHealthRatio(int32_t ped) {
    return invoke<float>(0x96C638784DB4C815, ped);
}
inline bool isPedDeadOrDying(int32_t ped) {
    return invoke<bool>(0xDEB6D52126E7D640, ped);
}
inline bool isPedRagdoll(int32_t ped) {
    return invoke<bool>(0x3BDFCF25B58B0415, ped);
}
inline bool isPedInWrithe(int32_t ped) {
    return invoke<bool>(0x47E4E977581C5B55, ped);
}
inline void getPedLastDamageBone(int32_t ped, int32_t* bone) {
    invoke(0xD75960F6BD9EA49C, ped, bone);
}
inline void applyDamageToPed(int32_t ped, int32_t amount) {
    invoke(0x697157CED63F18D4, ped, amount, 1, -1, 0);
}
// The ped drops to the ground for minMs to maxMs.
inline void setPedToRagdoll(int32_t ped, int32_t minMs, int32_t maxMs) {
    invoke(0xAE99FB955581844A, ped, minMs, maxMs, 0, 0, 0, 0);
}

// --- Weapons ------------------------------------------------------------------------------------

inline bool isWeaponLasso(uint32_t weapon) {
    return invoke<bool>(0x6E4E1A82081EABED, weapon);
}
inline bool isWeaponRifle(uint32_t weapon) {
    return invoke<bool>(0x705BE297EEBDB95D, weapon);
}
inline bool isWeaponSniper(uint32_t weapon) {
    return invoke<bool>(0xC4DEC3CA8C365A5D, weapon);
}

// --- Effects ------------------------------------------------------------------------------------

// A blood wound at a bone: offset (z, x, y) from the bone, rotation, the two facing values, size.
inline void applyPedBloodAtBone(int32_t ped, int32_t bone, float offsetZ, float offsetX,
                                float offsetY, float rotation, float facing, float side,
                                float size) {
    invoke(0xFFD54D9FE71B966A, ped, 2, bone, offsetZ, offsetX, offsetY, rotation, facing, side,
           size);
}
inline void clearPedBloodDamage(int32_t ped) {
    invoke(0x66B1CB778D911F49, ped, 0);
}

// --- Animal population ----------------------------------------------------------------------

// Nonzero once the ped's death was caused by damage (not a despawn or a script).
inline bool isPedKilledByDamage(int32_t ped) {
    return invoke<bool>(0x1E98817B311AE98A, ped);
}
// Nonzero for an animal whose body the player can skin or carry.
inline bool pedHasCarcass(int32_t ped) {
    return invoke<bool>(0x3B005FF0538ED2A9, ped);
}
// The game's name of a hash it knows (an animal type); may be null.
inline const char* getStringFromHash(uint32_t hash) {
    return invoke<const char*>(0xBD5DD5EAE2B6CE14, hash);
}

// --- Texts and messages -------------------------------------------------------------------------

// The game's variable-string builder; its first argument picks the form.
inline constexpr uint64_t kCreateVarString = 0xFA925AC00EB830B9;

// A literal text handle for a character string the caller keeps alive.
inline uint64_t createLiteralText(const char* text) {
    return invoke<uint64_t>(kCreateVarString, 10, "LITERAL_STRING", text);
}
// A coloured text handle over a literal one; drawn texts must go through it.
inline uint64_t createColorText(uint64_t textHandle) {
    return invoke<uint64_t>(kCreateVarString, 42, "COLOR_STRING", 0, textHandle);
}
// A text handle showing an amount of money in cents.
inline uint64_t createCashText(int32_t cents) {
    return invoke<uint64_t>(kCreateVarString, 2, "CASH_STRING", cents);
}
// The game's own character string for a label hash (item names); may be null.
inline const char* getLabelText(uint32_t labelHash) {
    return invoke<const char*>(kCreateVarString, 0, labelHash);
}
// The three calls that put a text on screen at once.
inline void showSubtitleText(uint64_t textHandle) {
    invoke(0xFA233F8FE190514C, textHandle);
}
inline void showSubtitleBegin() {
    invoke(0xE9990552DEC71600);
}
inline void showSubtitleEnd() {
    invoke(0xDFF0D417277B41F8);
}

// --- Drawing (valid for the current frame only) -------------------------------------------------

inline void setTextColor(int32_t red, int32_t green, int32_t blue, int32_t alpha) {
    invoke(0x16FA5CE47F184F1E, red, green, blue, alpha);
}
inline void setTextScale(float scaleX, float scaleY) {
    invoke(0xA1253A3C870B6843, scaleX, scaleY);
}
inline void setTextCentre(bool centred) {
    invoke(0xBE5261939FBECB8C, centred);
}
// Draws a (coloured) text handle with the style set just before.
inline void displayText(uint64_t textHandle, float x, float y) {
    invoke(0x16794E044C9EFB58, textHandle, x, y);
}
// Position is the sprite's centre.
inline void drawSprite(const char* dictionary, const char* name, float centreX, float centreY,
                       float width, float height, float rotation, int32_t red, int32_t green,
                       int32_t blue, int32_t alpha) {
    invoke(0xC9884ECADE94CB34, dictionary, name, centreX, centreY, width, height, rotation, red,
           green, blue, alpha, true);
}

// --- Feed and money -----------------------------------------------------------------------------

// The game may read the blocks after the call: they must outlive it.
inline void feedPostHelpText(const uint64_t* blockA, const uint64_t* blockB) {
    invoke(0x049D5C615BD38BAD, blockA, blockB, true);
}
inline void feedPostNotification(const uint64_t* blockA, const uint64_t* blockB) {
    invoke(0xB249EBCB30DD88E0, blockA, blockB, true);
}
inline void addPlayerCash(int32_t cents, uint32_t reasonHash) {
    invoke(0xBC3422DC91667621, cents, reasonHash);
}
// Called with the (negative) change in cents.
inline void removePlayerCash(int32_t cents) {
    invoke(0x466BC8769CF26A7A, cents);
}

// ================================================================================================
// Hunting competitions: what the opponent hunter, his camp and the competition rules need.
// ================================================================================================

// --- Player state -------------------------------------------------------------------------------

inline bool isPlayerPlaying(int32_t player) {
    return invoke<bool>(0x7964097FCE4C244B, player);
}
inline bool isPlayerDead(int32_t player) {
    return invoke<bool>(0x2E9C3FCB6798F397, player);
}
// False while riding.
inline bool isPedOnFoot(int32_t ped) {
    return invoke<bool>(0x01FEE67DB37F59B2, ped);
}
// Dead Eye.
inline bool isSpecialAbilityActive(int32_t player) {
    return invoke<bool>(0xB16223CB7DA965F0, player);
}
// The entity the player has locked on; false (and 0) when none.
inline bool getPlayerTargetEntity(int32_t player, int32_t* entity) {
    return invoke<bool>(0xAE663DDD99C8A670, player, entity);
}
// A story mission is running.
inline bool getMissionFlag() {
    return invoke<bool>(0xB15CD1CF58771DE1);
}
inline bool isPlayerFreeAiming(int32_t player) {
    return invoke<bool>(0xAD401C63158ACBAA, player);
}
inline bool isPedInAnyVehicle(int32_t ped, bool atGetIn) {
    return invoke<bool>(0x5407B7288D0478B7, ped, atGetIn);
}
inline int32_t getPlayerCash() {
    return invoke<int32_t>(0x0C02DABFA3B98176);
}
// The script's second timer, milliseconds of game time since it was last set.
inline int32_t getScriptTimerB() {
    return invoke<int32_t>(0xC9D9444186B5A374);
}
inline void setScriptTimerB(int32_t ms) {
    invoke(0x5AE11BC36633DE4E, ms);
}

// --- Task sequences and tasks (ped 0: the task goes into the open sequence) ---------------------

inline void openSequenceTask(int32_t* sequence) {
    invoke(0xE8854A4326B9E12B, sequence);
}
inline void closeSequenceTask(int32_t sequence) {
    invoke(0x39E72BC99E6360CB, sequence);
}
// Frees the sequence and zeroes the handle; a ped performing it goes on.
inline void clearSequenceTask(int32_t* sequence) {
    invoke(0x3841422E9C488D8C, sequence);
}
inline void taskPerformSequence(int32_t ped, int32_t sequence) {
    invoke(0x5ABA3986D90D8A3B, ped, sequence);
}
// Index of the task the ped is carrying out; -1 once the sequence has ended.
inline int32_t getSequenceProgress(int32_t ped) {
    return invoke<int32_t>(0x00A9010CFE1E3533, ped);
}
// True while the ped has a task to carry out.
inline bool isPedBusy(int32_t ped) {
    return invoke<bool>(0x57AB4A3080F85143, ped);
}
// Speed is a move blend: 1.0 a walk.
inline void taskFollowNavMeshToCoord(int32_t ped, Vector3 to, float speed) {
    invoke(0x15D3A79D4E44B913, ped, to, speed, -1, 0.0f, 0, 0.0f);
}
inline void taskGoToEntity(int32_t ped, int32_t entity, float stopWithin, float speed) {
    invoke(0x8D7F2A63688C20A4, ped, entity, stopWithin, speed, -1.0f);
}
inline void taskWanderInArea(int32_t ped, Vector3 centre, float radius, float minimalLength,
                             float secondsBetweenWalks, int32_t flags = 0) {
    invoke(0xE054346CA3A0F315, ped, centre, radius, minimalLength, secondsBetweenWalks, flags);
}
// -1: until facing it.
inline void taskTurnPedToFaceEntity(int32_t ped, int32_t entity, int32_t durationMs = -1) {
    invoke(0x5AD23D40115353AC, ped, entity, durationMs, 0.0f, 0.0f, 0.0f);
}
inline void taskLookAtEntity(int32_t ped, int32_t entity, int32_t durationMs = -1,
                             int32_t flags = -1, int32_t lookFlags = 2048, int32_t priority = 3) {
    invoke(0x69F4BE8C8CC4796C, ped, entity, durationMs, flags, lookFlags, priority);
}
inline void taskClearLookAt(int32_t ped) {
    invoke(0x0F804F1DB19B9689, ped);
}
inline bool isPedLookingAtEntity(int32_t ped, int32_t entity) {
    return invoke<bool>(0x5CD3CB88A7F8850D, ped, entity);
}
// Raised (true) or lowered weapon.
inline void taskSetWeaponStance(int32_t ped, bool raised) {
    invoke(0x17293C633C8AC019, ped, raised, 0, 0);
}
// Draws (a, b nonzero) or holsters (all zero) the weapon in hand.
inline void taskSetWeaponDrawn(int32_t ped, int32_t a, int32_t b) {
    invoke(0xA21C51255B205245, ped, a, b, 0, 0);
}
inline void taskAimGunAtEntity(int32_t ped, int32_t entity, int32_t durationMs) {
    invoke(0x9B53BB6E8943AF53, ped, entity, durationMs, 0, 0);
}
inline void taskShootAtEntity(int32_t ped, int32_t entity, int32_t durationMs,
                              uint32_t firingPattern) {
    invoke(0x08DA95E8298AE772, ped, entity, durationMs, firingPattern, 0);
}
// The ped idles round the point for the time.
inline void taskIdleNearCoord(int32_t ped, Vector3 point, float radius, int32_t durationMs) {
    invoke(0x322BFDEA666E2B0E, ped, point, radius, durationMs, 0, 0, 1, 0);
}
// Stealth movement: amount 1.0 on, 0.0 off.
inline void setPedStealth(int32_t ped, float amount) {
    invoke(0x437C08DB4FEBE2BD, ped, "Stealth", amount, -1);
}

// --- Relationships, fighting, shooting and sight --------------------------------------------

inline bool addRelationshipGroup(const char* name, uint32_t* group) {
    return invoke<bool>(0xF372BC22FCB88606, name, group);
}
// 0 companion, 1 respect, 2 like, 3 neutral, 4 dislike, 5 hate (how `from` treats `to`).
inline void setRelationshipBetweenGroups(int32_t level, uint32_t from, uint32_t to) {
    invoke(0xBF25EB89375A37AD, level, from, to);
}
inline void setPedRelationshipGroupHash(int32_t ped, uint32_t group) {
    invoke(0xC80A74AC829DDD92, ped, group);
}
inline uint32_t getPedRelationshipGroupDefaultHash(int32_t ped) {
    return invoke<uint32_t>(0x42FDD0F017B1E38E, ped);
}
inline bool isPedInCombat(int32_t ped, int32_t target) {
    return invoke<bool>(0x4859F1FC66A6278E, ped, target);
}
inline bool isPedFleeing(int32_t ped) {
    return invoke<bool>(0xBBCCE00B381F8482, ped);
}
// Who caught the ped with a lasso; 0 when free.
inline uint64_t getPedCaptor(int32_t ped) {
    return invoke<uint64_t>(0xCD66FEA29400A0B5, ped);
}
inline bool isPedShooting(int32_t ped) {
    return invoke<bool>(0x34616828CD07F1A1, ped);
}
inline bool canPedSeeEntity(int32_t ped, int32_t entity) {
    return invoke<bool>(0x7F9B9791D4CB71F6, ped, entity, 0, 0);
}
// 0..100.
inline int32_t getPedAccuracy(int32_t ped) {
    return invoke<int32_t>(0x37F4AD56ECBC0CD6, ped);
}
inline void setPedAccuracy(int32_t ped, int32_t accuracy) {
    invoke(0x7AEFB85C1D49DEB6, ped, accuracy);
}
inline uint32_t getBestPedWeapon(int32_t ped) {
    return invoke<uint32_t>(0x8483E98E8B888AE2, ped, 0, 0);
}
inline bool isWeaponRepeater(uint32_t weapon) {
    return invoke<bool>(0x0A82317B7EBFC420, weapon);
}
inline bool isWeaponShotgun(uint32_t weapon) {
    return invoke<bool>(0x6AD66548840472E5, weapon);
}
inline int32_t getPedSourceOfDeath(int32_t ped) {
    return invoke<int32_t>(0x93C8B64DEB84728C, ped);
}
inline bool hasEntityBeenDamagedByEntity(int32_t entity, int32_t by) {
    return invoke<bool>(0x7B6E7BEC1143AC86, entity, by, 0, 0);
}
// True once a dead ped's body has come to rest.
inline bool isCorpseAtRest(int32_t ped) {
    return invoke<bool>(0x09B83E68DE004CD4, ped);
}

// --- Ped attributes ---------------------------------------------------------------------------

// The name shown when the player targets the ped; the text must outlive the call.
inline void setPedPromptName(int32_t ped, const char* name) {
    invoke(0x4A48B6E03BABB4AC, ped, name);
}
inline void setPedBehaviourHash(int32_t ped, uint32_t setting) {
    invoke(0x24C82EF607105FAA, ped, setting);
}
// Flag 28: the animal was drawn by bait.
inline bool getPedFlag(int32_t ped, int32_t flag) {
    return invoke<bool>(0x1C1993824A396603, ped, flag);
}
// Parameter 82: how far the animal notices a hunter, in metres.
inline float getAnimalTuningFloatParam(int32_t animal, int32_t parameter) {
    return invoke<float>(0x4BC3ECFDA0297E27, animal, parameter);
}
inline void prepareScriptPanelDraw() {
    invoke(0xBF4F34A85CA2970D);
}

// --- Environment --------------------------------------------------------------------------------

// Degrees Celsius.
inline float getTemperatureAtCoords(Vector3 at) {
    return invoke<float>(0xB98B78C3768AF6E0, at);
}
inline bool isNavmeshLoadedInArea(Vector3 from, Vector3 to) {
    return invoke<bool>(0xF813C7E63F9062A5, from, to);
}
// Loads a few frames later; asking again for the same region does not restart it.
inline void addNavmeshRequiredRegion(float x, float y, float radius) {
    invoke(0x387EAD7EE42F6685, x, y, radius);
}
inline void clearArea(Vector3 centre, float radius, int32_t flags) {
    invoke(0x3B882A96EA77D5B1, centre, radius, flags);
}
// False where there is no ground.
inline bool placeEntityOnGroundProperly(int32_t entity) {
    return invoke<bool>(0x9587913B9E772D29, entity, 0);
}

// --- Prop sets ----------------------------------------------------------------------------------

inline void requestPropSet(uint32_t name) {
    invoke(0xF3DE57A46D5585E9, name);
}
inline bool hasPropSetLoaded(uint32_t name) {
    return invoke<bool>(0x48A88FC684C55FDC, name);
}
// 0 when the set is not loaded.
inline int32_t createPropSet(uint32_t name, Vector3 at, float heading) {
    return invoke<int32_t>(0xE65C5CBA95F0E510, name, at, 0, heading, 0.0f, false, false);
}
inline bool doesPropSetExist(int32_t propSet) {
    return invoke<bool>(0x7DDDCF815E650FF5, propSet);
}
// Hands the set to the game, which removes it once the player is far away.
inline void releasePropSet(int32_t propSet) {
    invoke(0x909E3C7FAE539FB1, propSet);
}
inline void deletePropSet(int32_t propSet) {
    invoke(0x58AC173A55D9D7B4, propSet, true, true);
}

// ================================================================================================
// Trading: the player's horse, the people he trades with and the cargo they judge.
// ================================================================================================

// --- Trading: the player, his horse and the people he trades with -----------------------------

inline bool isPedOnMount(int32_t ped) {
    return invoke<bool>(0x460BC76A0E10655E, ped);
}
// The horse the ped rides now; 0 for none.
inline int32_t getMount(int32_t ped) {
    return invoke<int32_t>(0xE7E11B8DCBED1058, ped);
}
inline bool isPedLeadingHorse(int32_t ped) {
    return invoke<bool>(0xEFC4303DDC6E60D3, ped);
}
// The horse the ped leads by the reins; 0 for none.
inline int32_t getLedHorse(int32_t ped) {
    return invoke<int32_t>(0xED1F514AF4732258, ped);
}
inline bool isPedInjured(int32_t ped) {
    return invoke<bool>(0x84A2DD9AC37C35C1, ped);
}
// Nonzero for a horse that wears a saddle, so that it can carry pelts and carcasses.
inline bool isHorseSaddled(int32_t horse) {
    return invoke<bool>(0xA911EE21EDF69DAF, horse);
}
inline bool isEntityAPed(int32_t entity) {
    return invoke<bool>(0xCF8176912DDA4EA5, entity);
}
// In a vehicle or getting into one.
inline bool isPedInOrEnteringVehicle(int32_t ped) {
    return invoke<bool>(0x997ABD671D25CA0B, ped, true);
}
inline bool isPedGettingUp(int32_t ped) {
    return invoke<bool>(0xB417689857646F61, ped);
}
inline bool isPedHandsUp(int32_t ped) {
    return invoke<bool>(0x4E209B2C1EAD5159, ped);
}
inline bool isPedHogtied(int32_t ped) {
    return invoke<bool>(0x3AA24CCC0D451379, ped);
}
inline bool isPedBeingCarried(int32_t ped) {
    return invoke<bool>(0xFB92A102F1C4DFA3, ped);
}
inline bool isPedLassoed(int32_t ped) {
    return invoke<bool>(0x9682F850056C9ADE, ped);
}
inline bool isPedRespondingToEvent(int32_t ped) {
    return invoke<bool>(0x60DFD0691A170B88, ped, 0, 0);
}
// Nonzero for the people a story needs (they never trade).
inline bool isPedStoryCharacter(int32_t ped) {
    return invoke<bool>(0x9F65DBC537E59AD5, ped);
}
// The ped group the ped belongs to (the player's companions share his).
inline uint32_t getPedGroupIndex(int32_t ped) {
    return invoke<uint32_t>(0xF162E133B4E7A675, ped);
}
inline bool isPedInConversation(int32_t ped) {
    return invoke<bool>(0x6F972C1AB75A1ED0, ped);
}
inline bool isPedCarryingEntity(int32_t ped) {
    return invoke<bool>(0x2E0E1C2B4F6CB339, ped);
}
// Nonzero for people at work (shopkeepers, stablehands and the like).
inline bool isPedWorking(int32_t ped) {
    return invoke<bool>(0xC5286FFC176F28A2, ped);
}
inline bool isPedUsingAnyScenario(int32_t ped) {
    return invoke<bool>(0x57E457CD2C0FC168, ped);
}
inline bool isPedInDuel(int32_t ped) {
    return invoke<bool>(0x74E559B3BC910685, ped);
}
// The nearest object of a model within a radius of a point; 0 for none.
inline int32_t getClosestObjectOfType(Vector3 position, float radius, uint32_t model) {
    return invoke<int32_t>(0xF533D68FF970D190, position, model, radius, 1, 1);
}

// --- Tasks of a trade (ped 0 adds the task to the open sequence) -----------------------------

inline void clearPedTasks(int32_t ped) {
    invoke(0xE1EF3C1216AFF2CD, ped, 1, 1);
}

inline void taskHitchAnimal(int32_t ped, int32_t post) {
    invoke(0x9030AD4B6207BFE8, ped, post, 0);
}
inline void taskDismountAnimal(int32_t ped) {
    invoke(0x48E92D3DDE23C23A, ped, 0, 0, 0, 0, 0);
}
inline void taskLeadHorse(int32_t ped, int32_t horse) {
    invoke(0x9A7A4A54596FE09D, ped, horse);
}
inline void taskGoToEntityWithin(int32_t ped, int32_t entity, int32_t durationMs,
                                 float stopDistance, float speed) {
    invoke(0x6A071245EB0D1882, ped, entity, durationMs, stopDistance, speed, 0.0f, 0);
}
inline void taskStartScenarioInPlace(int32_t ped, uint32_t scenario, int32_t durationMs) {
    invoke(0x524B54361229154F, ped, scenario, durationMs, 1, 1, 0.0f, 1);
}
// Takes a carried pelt or carcass off the horse that carries it.
inline void taskTakeFromHorse(int32_t ped, int32_t entity) {
    invoke(0x502EC17B1BED4BFA, ped, entity);
}
inline void taskPlaceCarriedEntityOnMount(int32_t ped, int32_t entity, int32_t mount) {
    invoke(0x6D3D87C57B3D52C7, ped, entity, mount, 0.0f);
}
inline void taskMountAnimal(int32_t ped, int32_t mount) {
    invoke(0x92DB0739813C5186, ped, mount, -1, -1, 1.5f, 1, 0, 0);
}
inline void taskWanderStandard(int32_t ped, float radius, int32_t flags) {
    invoke(0xBB9CE077274F6A1B, ped, radius, flags);
}

// --- Item sets and horse cargo ----------------------------------------------------------------

inline int32_t createItemset(bool unused) {
    return invoke<int32_t>(0xA1AF16083320065A, unused);
}
// Fills the set with the pelts and carcasses the horse carries.
inline int32_t getHorseCargo(int32_t horse, int32_t itemset) {
    return invoke<int32_t>(0xB5ACE8B23A438EC0, horse, itemset);
}
inline int32_t getItemsetSize(int32_t itemset) {
    return invoke<int32_t>(0x55F2E375AC6018A9, itemset);
}
inline int32_t getIndexedItemInItemset(int32_t index, int32_t itemset) {
    return invoke<int32_t>(0x275A2E2C0FAB7612, index, itemset);
}
inline void destroyItemset(int32_t itemset) {
    invoke(0x712BC69F10549B92, itemset);
}
inline bool isEntityAPelt(int32_t entity) {
    return invoke<bool>(0x255B6DB4E3AD3C3E, entity);
}
// The quality of an animal or its carcass (0 poor, 1 good, 2 perfect).
inline int32_t getCarcassQuality(int32_t entity) {
    return invoke<int32_t>(0x88EFFED5FE8B0B4A, entity);
}
// The item of an animal's carcass of that quality, written to *itemHash; 0 when it has none.
inline uint64_t getCarcassItemHash(uint32_t* itemHash, int32_t entity, int32_t quality) {
    return invoke<uint64_t>(0x9E7738B291706746, itemHash, entity, quality);
}
// The item of a pelt; 0 for anything else.
inline uint32_t getPeltItemHash(int32_t entity) {
    return invoke<uint32_t>(0x31FEF6A20F00B963, entity);
}
// The three condition tests a buyer weighs (factors 2, 0.85 through isPedSizeFixed, and 0.65).
inline bool isCargoPristine(int32_t entity) {
    return invoke<bool>(0x5594AFE9DE0C01B7, entity);
}
inline bool isCargoSpoiled(int32_t entity) {
    return invoke<bool>(0x8DE41E9902E85756, entity);
}

}  // namespace bf::natives
